#include "solver/checked_solve.h"

#include <cmath>
#include <memory>
#include <vector>

#include "solver/basis_tableau.h"
#include "solver/exact_replay.h"
#include "solver/exact_solve.h"
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
bool StopRowProvesInfeasible(const ExactTableau& problem, int m, int n, const BasisLabels& basis,
                             int r, ExchangeObserver* observer) {
  if (r < 1 || r > m) return false;
  std::vector<Rational> row;
  if (!BuildBasisTableauRow(problem, m, n, basis, r, row, observer)) return false;
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

}  // namespace

bool SameValues(SolveStatus statusA, const SolutionTable& a, SolveStatus statusB,
                const SolutionTable& b, int m, int n) {
  if (statusA != statusB) return false;
  for (int k = 1; k <= statusA; ++k) {
    for (int i = 0; i <= n + m; ++i) {
      if (a(i, k) != b(i, k)) return false;
    }
  }
  return true;
}

CheckedSolve SolveChecked(const Tableau& tableau, const ExactTableau& problem, int m, int n,
                          const ResultsAgree& agree, SolutionTable& solutions, SolveStatus& status,
                          ExchangeObserver* observer) {
  auto record = std::make_unique<SimplexRecord>();
  // The rows a solve can write, kept to put back before the exact result.
  auto before = std::make_unique_for_overwrite<SolutionTable>();
  CopyRows(solutions, *before, n + m);
  RunSimplex(tableau, m, n, solutions, status, *record, observer);
  return JudgeExactly(problem, m, n, *record, *before, agree, solutions, status, observer);
}

CheckedSolve JudgeExactly(const ExactTableau& problem, int m, int n, const SimplexRecord& record,
                          const SolutionTable& before, const ResultsAgree& agree,
                          SolutionTable& solutions, SolveStatus& status,
                          ExchangeObserver* observer) {
  CheckedSolve result;
  result.cycled = record.cycled || record.stalled;
  result.exchanges = record.exchanges;

  const BasisLabels basis = LabelsOf(record.work, m, n, record.zeroColumnEquation,
                                     [](Extended label) { return static_cast<int>(label); });
  result.judged = true;
  result.judgeBasis = basis;
  if (status == kNoFeasibleSolution &&
      StopRowProvesInfeasible(problem, m, n, basis, record.stopRow, observer) &&
      agree(status, solutions, kNoFeasibleSolution, solutions)) {
    return result;
  }
  auto exact = std::make_unique<SolutionTable>();
  CopyRows(before, *exact, n + m);
  SolveStatus exactStatus = kNoFeasibleSolution;
  bool exactRunsOwn = false;
  if (status >= 1 && ReplayOptimum(problem, m, n, record, status, *exact, exactStatus,
                                   result.exactExchanges, observer, &exactRunsOwn)) {
    const auto replayedResult = [&] {
      result.replayed = true;
      result.searchExchanges.assign(record.searchExchanges.begin(),
                                    record.searchExchanges.begin() + (status - 1));
    };
    if (agree(status, solutions, exactStatus, *exact)) {
      replayedResult();
      return result;
    }
    // The replay took the exact run's own steps: its vertices are the exact
    // result, and no exact run from the basis is needed.
    if (exactRunsOwn) {
      replayedResult();
      CopyRows(*exact, solutions, n + m);
      status = exactStatus;
      result.exact = true;
      return result;
    }
  }
  CopyRows(before, *exact, n + m);
  const ExactSolve judge = ContinueExactly(problem, m, n, basis, *exact, exactStatus, observer);
  result.exactExchanges = judge.exchanges;
  result.exactFromStart = judge.fromStart;
  if (agree(status, solutions, exactStatus, *exact)) return result;

  CopyRows(*exact, solutions, n + m);
  status = exactStatus;
  result.exact = true;
  return result;
}

CheckedSolve SolveChecked(const Tableau& tableau, int m, int n, SolutionTable& solutions,
                          SolveStatus& status, ExchangeObserver* observer) {
  for (int i = 1; i <= m + 1; ++i) {
    for (int j = 1; j <= n + 2; ++j) {
      // RunSimplex refuses such a problem before any arithmetic.
      if (!std::isfinite(tableau(i, j))) {
        RunSimplex(tableau, m, n, solutions, status);
        return {};
      }
    }
  }
  auto problem = std::make_unique<ExactTableau>();
  ExactFromExtended(tableau, m, n, *problem);
  const auto same = [m, n](SolveStatus sa, const SolutionTable& a, SolveStatus sb,
                           const SolutionTable& b) { return SameValues(sa, a, sb, b, m, n); };
  return SolveChecked(tableau, *problem, m, n, same, solutions, status, observer);
}

}  // namespace pivora
