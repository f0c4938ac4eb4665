#include "solver/checked_solve.h"

#include <array>
#include <cmath>
#include <memory>
#include <span>
#include <vector>

#include "solver/basis_tableau.h"
#include "solver/exact_replay.h"
#include "solver/exact_solve.h"
#include "solver/exchange_observer.h"
#include "solver/fp_error.h"
#include "solver/simplex.h"

namespace pivora {

namespace {

void CopyRows(const SolutionTable& from, SolutionTable& to, int lastRow) {
  for (int i = 0; i <= lastRow; ++i) {
    for (int k = 1; k <= kMaxSolutions; ++k) to(i, k) = from(i, k);
  }
}

// The extended run ended at row r with no feasible solution. True where row
// r of the exact tableau at that basis proves it: an equation's zero row with
// a non-zero constant and 0 in every free column (the equality phase's
// stop), or a negative constant and no positive entry in a free column (the
// feasibility phase's). Costs one elimination with one right-hand side.
bool StopRowProvesInfeasible(const IntegerRows& rows, const BasisLabels& basis, int r,
                             ExchangeObserver* observer) {
  const int n = rows.N();
  if (r < 1 || r > rows.M()) return false;
  std::vector<Rational> row;
  if (!BuildBasisTableauRow(rows, basis, r, row, observer)) return false;
  const bool zeroRow = basis.row[static_cast<std::size_t>(r)] == 0;
  const int constant = sgn(row[static_cast<std::size_t>(n)]);
  if (zeroRow ? constant == 0 : constant >= 0) return false;
  for (int j = 1; j <= n; ++j) {
    if (basis.column[static_cast<std::size_t>(j)] == 0) continue;
    const int entry = sgn(row[static_cast<std::size_t>(j - 1)]);
    if (zeroRow ? entry != 0 : entry > 0) return false;
  }
  return true;
}

// The extended run's equality phase takes an equation as redundant where
// its row has rounded to 0 in every free column, and labels its zero
// variable as an inequality's slack y[r]. Only an equation whose row is
// exactly 0 there (a combination of the other equations) is redundant; every
// other such row is labelled 0 again, an equation still in the basis, for
// the exact run's own equality phase to decide. Costs one elimination, with
// a right-hand side for each equation taken as redundant.
void ReopenEquations(const IntegerRows& rows, BasisLabels& basis, ExchangeObserver* observer) {
  const int n = rows.N();
  std::vector<int> taken;
  for (int r = 1; r <= rows.M(); ++r) {
    if (rows.Equation(r) && basis.row[static_cast<std::size_t>(r)] == -r) taken.push_back(r);
  }
  std::vector<std::vector<Rational>> built;
  if (taken.empty() || !BuildBasisTableauRows(rows, basis, taken, built, observer)) return;
  for (std::size_t t = 0; t < taken.size(); ++t) {
    const std::vector<Rational>& row = built[t];
    bool redundant = sgn(row[static_cast<std::size_t>(n)]) == 0;
    for (int j = 1; j <= n && redundant; ++j) {
      redundant = basis.column[static_cast<std::size_t>(j)] == 0 ||
                  sgn(row[static_cast<std::size_t>(j - 1)]) == 0;
    }
    if (!redundant) basis.row[static_cast<std::size_t>(taken[t])] = 0;
  }
}

// The extended run raised a floating-point error: the exact run from the
// problem's own tableau is the result, and only an optimum beyond the
// extended range still ends the solve. The table is put back first, so that
// such an end leaves it as it was.
CheckedSolve SolveAfterFault(const ExactTableau& problem, int m, int n, const SimplexRecord& record,
                             const SolutionTable& before, SolutionTable& solutions,
                             SolveStatus& status, ExchangeObserver* observer) {
  CopyRows(before, solutions, n + m);
  CheckedSolve result;
  result.cycled = record.cycled || record.stalled;
  result.exchanges = record.exchanges;
  auto values = std::make_shared<ExactSolutions>();
  const ExactSolve judge = ContinueExactly(problem, m, n, StartingBasis(problem, m, n), solutions,
                                           status, observer, values.get());
  result.exact = true;
  result.exactFromStart = true;
  result.exactExchanges = judge.exchanges;
  result.values = std::move(values);
  if (IsOptimal(status)) {
    result.judged = true;
    result.judgeBasis = judge.end;
  } else {
    result.stopped = true;
    result.stopBasis = judge.end;
  }
  return result;
}

// The plain run's own result, for an exact check stopped where the
// observer keeps that result.
CheckedSolve Unchecked(const SimplexRecord& record, SolveResult plain) {
  CheckedSolve result;
  result.result = std::move(plain);
  result.checked = false;
  result.cycled = record.cycled || record.stalled;
  result.exchanges = record.exchanges;
  return result;
}

bool KeepsPlainResult(ExchangeObserver* observer) {
  return observer != nullptr && observer->KeepsPlainResult();
}

// The solve as the exchange method sees it, with its integer status and its
// exceptions.
CheckedSolve SolveWithStatus(const Tableau& tableau, const ExactTableau& problem, int m, int n,
                             const ResultsAgree& agree, SolutionTable& solutions,
                             SolveStatus& status, ExchangeObserver* observer) {
  auto record = std::make_unique<SimplexRecord>();
  // The rows a solve can write, kept to put back before the exact result.
  auto before = std::make_unique_for_overwrite<SolutionTable>();
  CopyRows(solutions, *before, n + m);
  try {
    const WorkScope part(observer, WorkPhase::kPlainRun);
    RunSimplex(tableau, m, n, solutions, status, *record, observer);
  } catch (const FloatingPointError& fault) {
    // The extended run left the range on its way; the exact run decides.
    try {
      return SolveAfterFault(problem, m, n, *record, *before, solutions, status, observer);
    } catch (const SolveCancelled&) {
      if (!KeepsPlainResult(observer)) throw;
      CopyRows(*before, solutions, n + m);
      return Unchecked(*record, {SolveOutcome::kFloatingPointError, 0, fault.what()});
    }
  }
  try {
    return JudgeExactly(problem, m, n, *record, *before, agree, solutions, status, observer);
  } catch (const SolveCancelled&) {
    if (!KeepsPlainResult(observer)) throw;
    return Unchecked(*record, ResultOf(status));
  }
}

// The boundary: what the solver throws becomes an outcome here.
template <class Solve>
CheckedSolve WithOutcome(const Solve& solve) {
  SolveStatus status = kNoFeasibleSolution;
  CheckedSolve checked;
  try {
    checked = solve(status);
    if (checked.checked) checked.result = ResultOf(status);
  } catch (const SolveCancelled&) {
    checked = {};
    checked.result.outcome = SolveOutcome::kCancelled;
  } catch (const FloatingPointError& error) {
    checked = {};
    checked.result.outcome = SolveOutcome::kFloatingPointError;
    checked.result.fault = error.what();
  }
  return checked;
}

}  // namespace

bool SameValues(SolveStatus status, const SolutionTable& a, const ExactSolutions& exact, int m,
                int n) {
  if (status != exact.Status()) return false;
  for (int k = 1; k <= status; ++k) {
    for (int i = 0; i <= n + m; ++i) {
      if (a(i, k) != NearestExtended(exact.Numerator(i, k), exact.Denominator(i, k))) return false;
    }
  }
  return true;
}

CheckedSolve SolveChecked(const Tableau& tableau, const ExactTableau& problem, int m, int n,
                          const ResultsAgree& agree, SolutionTable& solutions,
                          ExchangeObserver* observer) {
  return WithOutcome([&](SolveStatus& status) {
    return SolveWithStatus(tableau, problem, m, n, agree, solutions, status, observer);
  });
}

CheckedSolve JudgeExactly(const ExactTableau& problem, int m, int n, const SimplexRecord& record,
                          const SolutionTable& before, const ResultsAgree& agree,
                          SolutionTable& solutions, SolveStatus& status,
                          ExchangeObserver* observer) {
  CheckedSolve result;
  result.cycled = record.cycled || record.stalled;
  result.exchanges = record.exchanges;

  BasisLabels basis = LabelsOf(record.work, m, n, record.zeroColumnEquation,
                               [](Extended label) { return static_cast<int>(label); });
  // Every tableau the judge builds starts from the same scaled rows.
  const IntegerRows rows(problem, m, n);
  ReopenEquations(rows, basis, observer);
  result.judged = true;
  result.judgeBasis = basis;
  if (status == kNoFeasibleSolution &&
      StopRowProvesInfeasible(rows, basis, record.stopRow, observer)) {
    auto proved = std::make_shared<const ExactSolutions>(kNoFeasibleSolution);
    if (agree(status, solutions, *proved)) {
      result.values = std::move(proved);
      return result;
    }
  }
  auto exact = std::make_unique<SolutionTable>();
  CopyRows(before, *exact, n + m);
  SolveStatus exactStatus = kNoFeasibleSolution;
  auto values = std::make_shared<ExactSolutions>();
  bool exactRunsOwn = false;
  if (IsOptimal(status) && ReplayOptimum(rows, basis,
                                         std::span<const std::array<int, 2>>(
                                             record.searchExchanges.data(),
                                             static_cast<std::size_t>(record.searchExchangeCount)),
                                         status, *exact, exactStatus, result.exactExchanges,
                                         observer, &exactRunsOwn, values.get())) {
    result.replayed = true;
    result.searchExchanges.assign(record.searchExchanges.begin(),
                                  record.searchExchanges.begin() + (status - 1));
    const bool agrees = agree(status, solutions, *values);
    // Where the replay took the exact run's own steps, its vertices are the
    // exact result, and no exact run from the basis is needed.
    if (agrees || exactRunsOwn) {
      if (!agrees) {
        CopyRows(*exact, solutions, n + m);
        status = exactStatus;
        result.exact = true;
      }
      result.values = std::move(values);
      return result;
    }
    result.replayed = false;
    result.searchExchanges.clear();
  }
  CopyRows(before, *exact, n + m);
  const ExactSolve judge =
      ContinueExactly(rows, basis, *exact, exactStatus, observer, values.get());
  result.exactExchanges = judge.exchanges;
  result.exactFromStart = judge.fromStart;
  // The exact run from its first optimum reaches its vertices by the search
  // alone.
  if (IsOptimal(exactStatus)) result.judgeBasis = judge.end;
  result.stopped = !IsOptimal(exactStatus);
  if (result.stopped) result.stopBasis = judge.end;
  const bool agrees = agree(status, solutions, *values);
  result.values = std::move(values);
  if (agrees) return result;

  CopyRows(*exact, solutions, n + m);
  status = exactStatus;
  result.exact = true;
  return result;
}

CheckedSolve SolveChecked(const Tableau& tableau, int m, int n, SolutionTable& solutions,
                          ExchangeObserver* observer) {
  return WithOutcome([&](SolveStatus& status) {
    for (int i = 1; i <= m + 1; ++i) {
      for (int j = 1; j <= n + 2; ++j) {
        // RunSimplex refuses such a problem before any arithmetic.
        if (!std::isfinite(tableau(i, j))) {
          RunSimplex(tableau, m, n, solutions, status);
          return CheckedSolve{};
        }
      }
    }
    auto problem = std::make_unique<ExactTableau>();
    ExactFromExtended(tableau, m, n, *problem);
    const auto same = [m, n](SolveStatus status, const SolutionTable& a,
                             const ExactSolutions& exact) {
      return SameValues(status, a, exact, m, n);
    };
    return SolveWithStatus(tableau, *problem, m, n, same, solutions, status, observer);
  });
}

}  // namespace pivora
