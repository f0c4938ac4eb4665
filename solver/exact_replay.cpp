#include "solver/exact_replay.h"

#include <memory>

#include "solver/alternatives.h"
#include "solver/basis_tableau.h"
#include "solver/exact_tables.h"
#include "solver/exchange_method.h"
#include "solver/fraction_free.h"

namespace pivora {

namespace {

using Run = SimplexRun<FractionFreeArithmetic>;

bool ConstantsNonNegative(Run& run) {
  for (int i = 1; i <= run.m; ++i) {
    if (run.w(i, run.n + 1) < 0) return false;
  }
  return true;
}

bool FeasibleAndOptimal(Run& run) {
  for (int i = 1; i <= run.m; ++i) {
    if (run.RowLabel(i) == 0) return false;
  }
  if (!ConstantsNonNegative(run)) return false;
  for (int j = 1; j <= run.n; ++j) {
    if (run.ColumnFree(j) && run.w(run.m + 1, j) > 0) return false;
  }
  return true;
}

// The search's own next step from where the replay ended: true where it
// would store a vertex that differs from solution 1.
bool SearchWouldGoOn(Run& run, int previous) {
  if (run.status >= kMaxSolutions) return false;
  int s = 0;
  for (int j = 1; j <= run.n && s == 0; ++j) {
    if (j != previous && run.ColumnFree(j) && run.w(run.m + 1, j) == 0) s = j;
  }
  if (s == 0) return false;
  const int r = ChooseRatioRow(run, s);
  if (r == 0) return false;
  run.Exchange(r, s);
  StoreSolution(run, run.status + 1);
  return DiffersFromFirst(run, run.status + 1);
}

}  // namespace

bool ReplayOptimum(const ExactTableau& problem, int m, int n, const SimplexRecord& record,
                   SolveStatus extendedStatus, SolutionTable& solutions, SolveStatus& status,
                   long& exchanges, ExchangeObserver* observer, ExactSolutions* values) {
  auto tables = std::make_unique<ExactTables>();
  const BasisLabels basis = LabelsOf(record.work, m, n, record.zeroColumnEquation,
                                     [](Extended label) { return static_cast<int>(label); });
  if (!BuildBasisTableau(problem, m, n, basis, tables->w, observer)) return false;
  SolveStatus exactStatus = 1;
  const int sigma = problem(m + 1, n + 2) > 0 ? 1 : -1;
  Run run{tables->w, m, n, sigma, tables->solutions, exactStatus, tables->record, observer};
  ResetRecord(tables->record);
  if (!FeasibleAndOptimal(run)) return false;
  StoreSolution(run, 1);

  run.phase = ExchangePhase::kAlternatives;
  const int count = record.searchExchangeCount;
  // One exchange per kept vertex; one more where the last was dropped.
  const bool droppedLast = extendedStatus == count;
  int previous = 0;
  for (int t = 0; t < count; ++t) {
    const auto [r, s] = record.searchExchanges[static_cast<std::size_t>(t)];
    if (s == previous || !run.ColumnFree(s) || !(run.w(m + 1, s) == 0) || !(run.w(r, s) < 0)) {
      return false;
    }
    previous = s;
    run.Exchange(r, s);
    if (!ConstantsNonNegative(run)) return false;
    StoreSolution(run, exactStatus + 1);
    const bool differs = DiffersFromFirst(run, exactStatus + 1);
    const bool dropped = droppedLast && t == count - 1;
    if (differs == dropped) return false;
    if (!dropped) ++exactStatus;
  }
  if (!droppedLast && SearchWouldGoOn(run, previous)) return false;
  exchanges = tables->record.exchanges;

  StoreRounded(tables->solutions, exactStatus, m, n, solutions, status, values);
  return true;
}

}  // namespace pivora
