#include "solver/exact_solve.h"

#include <memory>

#include "solver/exact_tables.h"
#include "solver/exchange_method.h"
#include "solver/fraction_free.h"

namespace pivora {

BasisLabels StartingBasis(const ExactTableau& problem, int m, int n) {
  BasisLabels basis;
  for (int i = 1; i <= m; ++i)
    basis.row[static_cast<std::size_t>(i)] = problem(i, n + 2) == 0 ? 0 : -i;
  for (int j = 1; j <= n; ++j) basis.column[static_cast<std::size_t>(j)] = j;
  return basis;
}

ExactSolve ContinueExactly(const ExactTableau& problem, int m, int n, const BasisLabels& basis,
                           SolutionTable& solutions, SolveStatus& status,
                           ExchangeObserver* observer, ExactSolutions* values) {
  auto tables = std::make_unique<ExactTables>();
  ExactSolve result;
  SolveStatus exactStatus = kNoFeasibleSolution;
  const int sigma = problem(m + 1, n + 2) > 0 ? 1 : -1;
  SimplexRun<FractionFreeArithmetic> run{
      tables->w, m, n, sigma, tables->solutions, exactStatus, tables->record, observer};
  if (!BuildBasisTableau(problem, m, n, basis, tables->w, observer)) {
    // The exchange method's own starting tableau, which needs no solve.
    result.fromStart = true;
    SetUp(run, problem);
  }
  ResetRecord(tables->record);
  // Zero columns keep the equation they belong to.
  for (int j = 1; j <= n; ++j) {
    if (basis.column[static_cast<std::size_t>(j)] == 0 && !result.fromStart) {
      tables->record.zeroColumnEquation[static_cast<std::size_t>(j)] =
          basis.zeroColumnEquation[static_cast<std::size_t>(j)];
    }
  }
  RunPhases(run);
  result.exchanges = tables->record.exchanges;
  result.cycled = tables->record.cycled;

  StoreRounded(tables->solutions, exactStatus, m, n, solutions, status, values);
  return result;
}

ExactSolve SolveExactly(const ExactTableau& problem, int m, int n, SolutionTable& solutions,
                        SolveStatus& status, ExchangeObserver* observer) {
  ExactSolve result =
      ContinueExactly(problem, m, n, StartingBasis(problem, m, n), solutions, status, observer);
  result.fromStart = true;
  return result;
}

ExactSolve SolveExactly(const Tableau& tableau, int m, int n, SolutionTable& solutions,
                        SolveStatus& status, ExchangeObserver* observer) {
  for (int i = 1; i <= m + 1; ++i) {
    for (int j = 1; j <= n + 2; ++j) RequireFinite(tableau(i, j));
  }
  auto problem = std::make_unique<ExactTableau>();
  ExactFromExtended(tableau, m, n, *problem);
  return SolveExactly(*problem, m, n, solutions, status, observer);
}

}  // namespace pivora
