#include "solver/exact_solve.h"

#include <array>
#include <memory>
#include <span>

#include "solver/enclosed_run.h"
#include "solver/exact_replay.h"
#include "solver/exact_tables.h"
#include "solver/exchange_method.h"
#include "solver/fraction_free.h"
#include "solver/residue_tableau.h"

namespace pivora {

BasisLabels StartingBasis(const ExactTableau& problem, int m, int n) {
  BasisLabels basis;
  for (int i = 1; i <= m; ++i)
    basis.row[static_cast<std::size_t>(i)] = problem(i, n + 2) == 0 ? 0 : -i;
  for (int j = 1; j <= n; ++j) basis.column[static_cast<std::size_t>(j)] = j;
  return basis;
}

namespace {

// The phases and the search on work tableau `w`, which holds `basis` (or the
// starting tableau where `fromStart`), to the rounded and exact solutions.
template <class Work>
ExactSolve RunOn(Work& w, const ExactTableau& problem, int m, int n, const BasisLabels& basis,
                 bool fromStart, SolutionTable& solutions, SolveStatus& status,
                 ExchangeObserver* observer, ExactSolutions* values) {
  auto tables = std::make_unique<ExactTables>();
  ExactSolve result;
  result.fromStart = fromStart;
  SolveStatus exactStatus = kNoFeasibleSolution;
  const int sigma = problem(m + 1, n + 2) > 0 ? 1 : -1;
  SimplexRun<FractionFreeArithmetic, Work> run{
      w, m, n, sigma, tables->solutions, exactStatus, tables->record, observer};
  run.keepWork = false;
  ResetRecord(tables->record);
  // Zero columns keep the equation they belong to.
  for (int j = 1; j <= n && !fromStart; ++j) {
    if (basis.column[static_cast<std::size_t>(j)] == 0) {
      tables->record.zeroColumnEquation[static_cast<std::size_t>(j)] =
          basis.zeroColumnEquation[static_cast<std::size_t>(j)];
    }
  }
  const WorkScope part(observer, WorkPhase::kExactRun);
  RunPhases(run);
  result.exchanges = tables->record.exchanges;
  result.cycled = tables->record.cycled;
  result.end = LabelsOf(tables->record.work, m, n, tables->record.zeroColumnEquation,
                        [](const FractionFree& label) { return label.ToInt(); });

  StoreRounded(tables->solutions, exactStatus, m, n, solutions, status, values);
  return result;
}

// On residues; false (nothing written) where the numbers are too long for
// them, or where an entry read back was not the tableau's.
bool ContinueOnResidues(const IntegerRows& rows, const BasisLabels& basis, SolutionTable& solutions,
                        SolveStatus& status, ExchangeObserver* observer, ExactSolutions* values,
                        ExactSolve& result) {
  bool fromStart = false;
  const auto w = ResiduesFrom(rows, basis, observer, fromStart);
  if (!w) return false;
  const ExactTableau& problem = rows.Problem();
  const int m = rows.M();
  const int n = rows.N();
  try {
    result = RunOn(*w, problem, m, n, fromStart ? StartingBasis(problem, m, n) : basis, fromStart,
                   solutions, status, observer, values);
  } catch (const ResidueBoundExceeded&) {
    return false;
  }
  return true;
}

// Guided by enclosures: where they settle every step to an optimum, the
// replay builds that optimum and the search's vertices exactly; where they
// settle every step to no feasible solution or an unbounded objective, that
// status is the exact run's. False (nothing written but `values`) where a
// step is left open or the replay does not confirm the optimum.
bool ContinueGuided(const IntegerRows& rows, const BasisLabels& basis, SolutionTable& solutions,
                    SolveStatus& status, ExchangeObserver* observer, ExactSolutions* values,
                    ExactSolve& result) {
  const int m = rows.M();
  const int n = rows.N();
  EnclosedRun run;
  if (!RunEnclosed(rows.Problem(), m, n, basis, observer, run)) return false;
  const auto settled = [&] {
    result.exchanges = run.exchanges;
    result.cycled = run.cycled;
    result.fromStart = false;
    result.end = run.end;
    return true;
  };
  if (!IsOptimal(run.status)) {
    if (values) *values = ExactSolutions(run.status, n + m);
    status = run.status;
    return settled();
  }
  const std::span<const std::array<int, 2>> search(
      run.searchExchanges.data(), static_cast<std::size_t>(run.searchExchangeCount));
  auto replayed = std::make_unique<SolutionTable>();
  SolveStatus replayedStatus = kNoFeasibleSolution;
  long exchanges = 0;
  bool own = false;
  if (!ReplayOptimum(rows, run.end, search, run.status, *replayed, replayedStatus, exchanges,
                     observer, &own, values) ||
      !own)
    return false;
  for (int k = 1; k <= replayedStatus; ++k) {
    for (int i = 0; i <= n + m; ++i) solutions(i, k) = (*replayed)(i, k);
  }
  status = replayedStatus;
  return settled();
}

}  // namespace

std::unique_ptr<ResidueTableau> ResiduesFrom(const IntegerRows& rows, const BasisLabels& basis,
                                             ExchangeObserver* observer, bool& fromStart) {
  std::unique_ptr<ResidueTableau> w;
  auto built = ResidueTableau::Build(rows, basis, observer, w);
  fromStart = built == ResidueTableau::Built::kNoBasis;
  if (fromStart) {
    built =
        ResidueTableau::Build(rows, StartingBasis(rows.Problem(), rows.M(), rows.N()), observer, w);
  }
  if (built != ResidueTableau::Built::kBuilt) w.reset();
  return w;
}

ExactSolve ContinueExactly(const IntegerRows& rows, const BasisLabels& basis,
                           SolutionTable& solutions, SolveStatus& status,
                           ExchangeObserver* observer, ExactSolutions* values, ExactWork work) {
  ExactSolve result;
  if (work == ExactWork::kGuided &&
      ContinueGuided(rows, basis, solutions, status, observer, values, result))
    return result;
  if (work != ExactWork::kExactValues &&
      ContinueOnResidues(rows, basis, solutions, status, observer, values, result))
    return result;

  const ExactTableau& problem = rows.Problem();
  const int m = rows.M();
  const int n = rows.N();
  auto w = std::make_unique<BasicWorkTableau<FractionFree>>();
  bool fromStart = false;
  if (!BuildBasisTableau(rows, basis, *w, observer)) {
    // The exchange method's own starting tableau, which needs no solve.
    fromStart = true;
    auto tables = std::make_unique<ExactTables>();
    SolveStatus unused = kNoFeasibleSolution;
    SimplexRun<FractionFreeArithmetic> setUp{
        *w, m, n, 1, tables->solutions, unused, tables->record, observer};
    SetUp(setUp, problem);
  }
  return RunOn(*w, problem, m, n, basis, fromStart, solutions, status, observer, values);
}

ExactSolve ContinueExactly(const ExactTableau& problem, int m, int n, const BasisLabels& basis,
                           SolutionTable& solutions, SolveStatus& status,
                           ExchangeObserver* observer, ExactSolutions* values, ExactWork work) {
  return ContinueExactly(IntegerRows(problem, m, n), basis, solutions, status, observer, values,
                         work);
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
