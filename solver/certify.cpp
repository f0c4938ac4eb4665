#include "solver/certify.h"

#include <array>
#include <cmath>

namespace pivora {

namespace {

// Variables are numbered x[j] -> j, y[i] -> n + i, as the solution table rows.
constexpr int kMaxVariableIndex = kMaxVariables + kMaxConstraints;

// x <= tolerance * magnitude, false for anything not finite.
bool Within(Extended x, Extended magnitude) {
  return std::isfinite(magnitude) && x <= kCertifyTolerance * magnitude;
}

// The original problem: constraint i reads a(i) x <= b(i), >= b(i) or = b(i);
// its slack is y(i) = sign(i) * (b(i) - a(i) x), sign -1 for >= and +1 for
// the others (the slack of an equation is its zero variable).
struct Problem {
  const Tableau& t;
  int m;
  int n;
  int sigma;  // +1 maximise, -1 minimise

  Extended a(int i, int j) const { return t(i, j); }
  Extended b(int i) const { return t(i, n + 1); }
  Extended c(int j) const { return t(m + 1, j); }
  bool Equation(int i) const { return t(i, n + 2) == 0; }
  bool GreaterEqual(int i) const { return t(i, n + 2) > 0; }
  Extended SlackSign(int i) const { return GreaterEqual(i) ? -1.0L : 1.0L; }
};

// Where each variable stands in the work tableau, read from its labels.
struct Basis {
  std::array<int, kMaxVariableIndex + 1> row{};     // basic in this row, else 0
  std::array<int, kMaxVariableIndex + 1> column{};  // non-basic in this column, else 0
  // Eliminated zero variables: the equation whose zero variable stands in a
  // column labelled 0, and the equations whose zero variable is still basic
  // (a row labelled 0, which keeps its own row).
  std::array<int, kMaxVariables + 1> equationOfColumn{};
  std::array<bool, kMaxConstraints + 1> zeroBasic{};
};

// The label as a variable number, 0 for a zero variable, -1 if it is no label.
int VariableOf(Extended label, int m, int n) {
  if (!(std::fabs(label) <= kMaxVariableIndex) || label != std::trunc(label)) return -1;
  const int l = static_cast<int>(label);
  if (l > n || l < -m) return -1;
  return l > 0 ? l : l < 0 ? n - l : 0;
}

// Moving the zero variable of column k by +1 changes x by the basic
// x-entries of column k; the equation e it belongs to is the one whose
// left-hand side drops by 1 (y(e) = b(e) - a(e) x rises by 1) while the other
// eliminated equations stay. A weighted sum of those equations names e in
// one pass per column.
bool MapZeroColumns(const Problem& p, const WorkTableau& w, Basis& basis,
                    const std::array<int, kMaxVariables + 1>& zeroColumns, int zeroCount) {
  std::array<int, kMaxConstraints + 1> candidates{};
  int count = 0;
  for (int i = 1; i <= p.m; ++i) {
    const int v = p.n + i;
    if (p.Equation(i) && basis.row[v] == 0 && basis.column[v] == 0 && !basis.zeroBasic[i]) {
      candidates[++count] = i;
    }
  }
  if (count != zeroCount) return false;
  if (count == 0) return true;
  std::array<Extended, kMaxVariables + 1> weighted{};
  for (int k = 1; k <= count; ++k) {
    for (int j = 1; j <= p.n; ++j) weighted[j] -= static_cast<Extended>(k) * p.a(candidates[k], j);
  }
  std::array<bool, kMaxConstraints + 1> taken{};
  for (int z = 1; z <= zeroCount; ++z) {
    const int col = zeroColumns[z];
    Extended sum = 0;
    for (int j = 1; j <= p.n; ++j) {
      if (basis.row[j] != 0) sum += weighted[j] * w(basis.row[j], col);
    }
    const Extended k = std::nearbyint(sum);
    if (!(std::fabs(sum - k) <= 0.25L) || k < 1 || k > count) return false;
    const int e = candidates[static_cast<int>(k)];
    if (taken[e]) return false;
    taken[e] = true;
    basis.equationOfColumn[col] = e;
  }
  return true;
}

// Reads the labels; false unless every variable stands exactly once and the
// zero variables match the equations.
bool ReadBasis(const Problem& p, const WorkTableau& w, bool allowZeroRows, Basis& basis) {
  std::array<int, kMaxVariables + 1> zeroColumns{};
  int zeroCount = 0;
  for (int i = 1; i <= p.m; ++i) {
    const int v = VariableOf(w(i, p.n + 2), p.m, p.n);
    if (v < 0) return false;
    if (v == 0) {
      if (!allowZeroRows || !p.Equation(i)) return false;
      basis.zeroBasic[i] = true;
    } else {
      if (basis.row[v] != 0) return false;
      basis.row[v] = i;
    }
  }
  for (int j = 1; j <= p.n; ++j) {
    const int v = VariableOf(w(p.m + 2, j), p.m, p.n);
    if (v < 0) return false;
    if (v == 0) {
      zeroColumns[++zeroCount] = j;
    } else {
      if (basis.row[v] != 0 || basis.column[v] != 0) return false;
      basis.column[v] = j;
    }
  }
  for (int v = 1; v <= p.n + p.m; ++v) {
    const bool placed = basis.row[v] != 0 || basis.column[v] != 0;
    if (v <= p.n && !placed) return false;
    if (v > p.n && !placed && !p.Equation(v - p.n)) return false;
  }
  return MapZeroColumns(p, w, basis, zeroColumns, zeroCount);
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
  if (status == 0) return CertifyInfeasible(p, record);
  if (status == -1) return CertifyUnbounded(p, record);
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
