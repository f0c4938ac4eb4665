#include "solver/certify.h"

#include <array>
#include <cmath>

#include "solver/certify_basis.h"

namespace pivora {

namespace {

using certify_detail::Basis;
using certify_detail::kMaxVariableIndex;
using certify_detail::Problem;
using certify_detail::ReadBasis;
using certify_detail::VariableOf;

// x <= tolerance * magnitude, false for anything not finite.
bool Within(Extended x, Extended magnitude) {
  return std::isfinite(magnitude) && x <= kCertifyTolerance * magnitude;
}

// x >= 0 and every constraint within tolerance; with `slacks`, the slack
// values of the same solution table column must agree too.
Certification CheckPrimal(const Problem& p, const std::array<Extended, kMaxVariables + 1>& x,
                          const SolutionTable* slacks, int k) {
  for (int i = 1; i <= p.m; ++i) {
    Extended lhs = 0;
    Extended magnitude = std::fabs(p.b(i));
    for (int j = 1; j <= p.n; ++j) {
      const Extended term = p.a(i, j) * x[j];
      lhs += term;
      magnitude += std::fabs(term);
    }
    const Extended excess = lhs - p.b(i);  // > 0 breaks <=, < 0 breaks >=
    const bool holds = p.Equation(i)       ? Within(std::fabs(excess), magnitude)
                       : p.GreaterEqual(i) ? Within(-excess, magnitude)
                                           : Within(excess, magnitude);
    if (!holds) return Certification::kConstraintViolated;
    if (slacks != nullptr) {
      const Extended shown = std::fmax((*slacks)(p.n + i, k), 0.0L);
      const Extended slack = p.SlackSign(i) * (p.b(i) - lhs);
      if (!Within(std::fabs(slack - shown), magnitude)) return Certification::kSlackMismatch;
    }
  }
  return Certification::kCertified;
}

// c x for the displayed values, and the magnitude sum |c x|.
void Objective(const Problem& p, const std::array<Extended, kMaxVariables + 1>& x, Extended& value,
               Extended& magnitude) {
  value = 0;
  magnitude = 0;
  for (int j = 1; j <= p.n; ++j) {
    const Extended term = p.c(j) * x[j];
    value += term;
    magnitude += std::fabs(term);
  }
}

Certification CertifyOptimum(const Problem& p, SolveStatus status, const SolutionTable& s,
                             const WorkTableau& w) {
  Basis basis;
  if (!ReadBasis(p, w, false, basis)) return Certification::kBadRecord;
  const int objective = p.m + 1;

  // The objective-row entry of every variable in solution 1: 0 if basic.
  std::array<Extended, kMaxVariableIndex + 1> entry{};
  for (int v = 1; v <= p.n + p.m; ++v) {
    if (basis.column[v] != 0) entry[v] = w(objective, basis.column[v]);
    if (basis.column[v] != 0 && !(entry[v] <= 0)) return Certification::kWrongSign;
  }

  // sigma c = d + lambda A: lambda(i) = -sign(i) * (entry of y(i)); the
  // inequality multipliers have the right sign exactly when the entries of
  // the non-basic slacks are <= 0, those of equations are free.
  std::array<Extended, kMaxConstraints + 1> lambda{};
  for (int i = 1; i <= p.m; ++i) lambda[i] = -p.SlackSign(i) * entry[p.n + i];
  for (int j = 1; j <= p.n; ++j) {
    const int e = basis.equationOfColumn[j];
    if (e != 0) lambda[e] = -w(objective, j);
  }

  for (int j = 1; j <= p.n; ++j) {
    Extended d = p.sigma * p.c(j);
    Extended magnitude = std::fabs(d);
    for (int i = 1; i <= p.m; ++i) {
      const Extended term = lambda[i] * p.a(i, j);
      d -= term;
      magnitude += std::fabs(term);
    }
    if (!Within(std::fabs(d - entry[j]), magnitude)) return Certification::kReducedCostMismatch;
    if (!Within(d, magnitude)) return Certification::kWrongSign;
  }

  Extended bound = 0;
  Extended boundMagnitude = 0;
  for (int i = 1; i <= p.m; ++i) {
    const Extended term = lambda[i] * p.b(i);
    bound += term;
    boundMagnitude += std::fabs(term);
  }

  for (int k = 1; k <= status; ++k) {
    std::array<Extended, kMaxVariables + 1> x{};
    for (int j = 1; j <= p.n; ++j) x[j] = std::fmax(s(j, k), 0.0L);
    const Certification primal = CheckPrimal(p, x, &s, k);
    if (primal != Certification::kCertified) return primal;
    Extended z = 0;
    Extended zMagnitude = 0;
    Objective(p, x, z, zMagnitude);
    if (!Within(std::fabs(z - s(0, k)), zMagnitude)) return Certification::kObjectiveMismatch;
    if (!Within(std::fabs(p.sigma * z - bound), zMagnitude + boundMagnitude)) {
      return Certification::kDualityGap;
    }
    // The search exchanges only on columns whose entry is 0, which leaves the
    // objective row as it is: a negative entry shown for solution k is the
    // entry of the same variable in solution 1.
    for (int v = 1; v <= p.n + p.m; ++v) {
      if (s(v, k) < 0 && !Within(std::fabs(s(v, k) - entry[v]), std::fabs(entry[v]))) {
        return Certification::kReducedCostMismatch;
      }
    }
  }
  return Certification::kCertified;
}

// Row r states its basic variable u_r as sum W(r, j) u_j + W(r, n+1). Moving
// everything to one side gives multipliers mu(i) >= 0 on the inequality
// slacks (free on equations) and nu(j) >= 0 on the x(j) with
// sum mu(i) y(i) + sum nu(j) x(j) = W(r, n+1) < 0 for every x. Recomputed from
// the original rows: sum mu(i) y(i) = C - alpha x >= 0 for every feasible x,
// which no x >= 0 satisfies when alpha >= 0 and C < 0.
Certification CertifyInfeasible(const Problem& p, const SimplexRecord& record) {
  const WorkTableau& w = record.work;
  const int r = record.stopRow;
  if (r < 1 || r > p.m) return Certification::kBadRecord;
  Basis basis;
  if (!ReadBasis(p, w, true, basis)) return Certification::kBadRecord;

  std::array<Extended, kMaxConstraints + 1> mu{};
  const int basic = VariableOf(w(r, p.n + 2), p.m, p.n);
  if (basic == 0) {
    mu[r] = 1;  // a row labelled 0 keeps its own equation
  } else if (basic > p.n) {
    mu[basic - p.n] = 1;
  }
  for (int j = 1; j <= p.n; ++j) {
    const Extended coefficient = -w(r, j);
    if (coefficient == 0) continue;
    const int v = VariableOf(w(p.m + 2, j), p.m, p.n);
    if (v == 0) {
      mu[basis.equationOfColumn[j]] += coefficient;
    } else if (v > p.n) {
      mu[v - p.n] += coefficient;
    }
  }

  bool onlyEquations = true;
  for (int i = 1; i <= p.m; ++i) {
    if (mu[i] != 0 && !p.Equation(i)) onlyEquations = false;
    if (!p.Equation(i) && !(mu[i] >= 0)) return Certification::kWrongSign;
  }

  Extended constant = 0;
  Extended constantMagnitude = 0;
  for (int i = 1; i <= p.m; ++i) {
    const Extended term = mu[i] * p.SlackSign(i) * p.b(i);
    constant += term;
    constantMagnitude += std::fabs(term);
  }
  // Multipliers of equations alone may all change sign.
  const Extended flip = onlyEquations && constant > 0 ? -1.0L : 1.0L;
  if (!(std::isfinite(constantMagnitude) &&
        flip * constant < -kCertifyTolerance * constantMagnitude)) {
    return Certification::kNoInfeasibilityProof;
  }
  for (int j = 1; j <= p.n; ++j) {
    Extended alpha = 0;
    Extended magnitude = 0;
    for (int i = 1; i <= p.m; ++i) {
      const Extended term = mu[i] * p.SlackSign(i) * p.a(i, j);
      alpha += term;
      magnitude += std::fabs(term);
    }
    if (!Within(-flip * alpha, magnitude)) return Certification::kNoInfeasibilityProof;
  }
  return Certification::kCertified;
}

// The basic solution x0 of the record is feasible, and x0 + t dx stays
// feasible for every t >= 0 while sigma c dx > 0, where dx is column s: +1 on
// its own variable, W(i, s) on the basic x of row i.
Certification CertifyUnbounded(const Problem& p, const SimplexRecord& record) {
  const WorkTableau& w = record.work;
  const int s = record.stopColumn;
  if (s < 1 || s > p.n) return Certification::kBadRecord;
  Basis basis;
  if (!ReadBasis(p, w, false, basis)) return Certification::kBadRecord;
  const int entering = VariableOf(w(p.m + 2, s), p.m, p.n);
  if (entering == 0 || !(w(p.m + 1, s) > 0)) return Certification::kBadRecord;

  std::array<Extended, kMaxVariables + 1> x{};
  std::array<Extended, kMaxVariables + 1> dx{};
  for (int j = 1; j <= p.n; ++j) {
    if (basis.row[j] != 0) {
      x[j] = std::fmax(w(basis.row[j], p.n + 1), 0.0L);
      dx[j] = w(basis.row[j], s);
    }
  }
  if (entering <= p.n) dx[entering] = 1;
  if (CheckPrimal(p, x, nullptr, 0) != Certification::kCertified) {
    return Certification::kConstraintViolated;
  }
  for (int j = 1; j <= p.n; ++j) {
    if (!(dx[j] >= 0)) return Certification::kNoUnboundedRay;
  }
  for (int i = 1; i <= p.m; ++i) {
    Extended change = 0;
    Extended magnitude = 0;
    for (int j = 1; j <= p.n; ++j) {
      const Extended term = p.a(i, j) * dx[j];
      change += term;
      magnitude += std::fabs(term);
    }
    const bool stays = p.Equation(i)       ? Within(std::fabs(change), magnitude)
                       : p.GreaterEqual(i) ? Within(-change, magnitude)
                                           : Within(change, magnitude);
    if (!stays) return Certification::kNoUnboundedRay;
  }
  Extended rise = 0;
  Extended magnitude = 0;
  for (int j = 1; j <= p.n; ++j) {
    const Extended term = p.sigma * p.c(j) * dx[j];
    rise += term;
    magnitude += std::fabs(term);
  }
  if (!(std::isfinite(magnitude) && rise > kCertifyTolerance * magnitude)) {
    return Certification::kNoUnboundedRay;
  }
  return Certification::kCertified;
}

}  // namespace

Certification Certify(const Tableau& tableau, int m, int n, SolveStatus status,
                      const SolutionTable& solutions, const SimplexRecord& record) {
  if (m < 1 || m > kMaxConstraints || n < 1 || n > kMaxVariables) {
    return Certification::kBadRecord;
  }
  const Problem p{tableau, m, n, tableau(m + 1, n + 2) > 0 ? 1 : -1};
  if (status == kNoFeasibleSolution) return CertifyInfeasible(p, record);
  if (status == kUnbounded) return CertifyUnbounded(p, record);
  if (status < 1 || status > kMaxSolutions) return Certification::kBadRecord;
  return CertifyOptimum(p, status, solutions, record.work);
}

const char* CertificationText(Certification c) {
  switch (c) {
    case Certification::kCertified:
      return "certified";
    case Certification::kBadRecord:
      return "bad record";
    case Certification::kConstraintViolated:
      return "constraint violated";
    case Certification::kSlackMismatch:
      return "slack mismatch";
    case Certification::kObjectiveMismatch:
      return "objective mismatch";
    case Certification::kWrongSign:
      return "wrong sign";
    case Certification::kReducedCostMismatch:
      return "reduced cost mismatch";
    case Certification::kDualityGap:
      return "duality gap";
    case Certification::kNoInfeasibilityProof:
      return "no infeasibility proof";
    case Certification::kNoUnboundedRay:
      return "no unbounded ray";
  }
  return "unknown";
}

}  // namespace pivora
