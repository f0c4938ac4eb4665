#include "solver/explained_run.h"

#include <memory>

#include "solver/exchange_method.h"
#include "solver/fraction_free.h"

namespace pivora {

namespace {

// The equality phase relabels a redundant equation (label 0 to -i) without an
// exchange. Before an exchange of that phase, the rows above its pivot row
// that still carry 0 were relabelled; once the phase is over, all were.
template <class Arith>
void RelabelRedundantRows(SimplexRun<Arith>& run, int before) {
  for (int i = 1; i < before; ++i) {
    if (run.RowLabel(i) == 0) run.RowLabel(i) = Arith::FromInt(-i);
  }
}

// The tableaus of a run, rebuilt by repeating its pivots on the tableau of
// the setup: a repeat of the same operations gives the same values, bit for
// bit in extended arithmetic and trivially in exact arithmetic.
template <class Arith, class Problem>
StepRecord Replay(const Problem& problem, int m, int n, const std::vector<ExchangePick>& picks,
                  const BasicWorkTableau<typename Arith::Value>& end, SolveStatus status) {
  using Value = typename Arith::Value;
  [[maybe_unused]] const typename Arith::FlagScope flags;
  auto w = std::make_unique<BasicWorkTableau<Value>>();
  auto solutions = std::make_unique<BasicSolutionTable<Value>>();
  auto record = std::make_unique<BasicSimplexRecord<Arith>>();
  SolveStatus unused = kNoFeasibleSolution;
  SimplexRun<Arith> run{*w, m, n, 1, *solutions, unused, *record};
  SetUp(run, problem);

  StepRecord steps;
  steps.exchanges = static_cast<long>(picks.size());
  for (const ExchangePick& pick : picks) {
    RelabelRedundantRows(run, pick.phase == ExchangePhase::kEquality ? pick.row : m + 1);
    if (steps.steps.size() < kMaxShownSteps) {
      steps.steps.push_back(ShownStep{pick, SnapshotOf(*w, m, n)});
    }
    Pivot<Arith>(*w, m, n, pick.row, pick.column);
  }
  // A run without an optimum ends in the phases, where its record holds the
  // tableau; one with an optimum went past the equality phase.
  if (status >= 1) {
    RelabelRedundantRows(run, m + 1);
    steps.last = SnapshotOf(*w, m, n);
  } else {
    steps.last = SnapshotOf(end, m, n);
  }
  return steps;
}

template <class Arith, class Problem>
ExplainedRun Explain(const Problem& problem, int m, int n, bool withSteps) {
  using Value = typename Arith::Value;
  auto solutions = std::make_unique<BasicSolutionTable<Value>>();
  auto record = std::make_unique<BasicSimplexRecord<Arith>>();
  PickCollector picks;
  ExplainedRun result;
  RunSimplexWith<Arith>(problem, m, n, *solutions, result.status, *record,
                        withSteps ? &picks : nullptr);
  for (int k = 1; k <= result.status; ++k) {
    std::vector<Rational> column;
    for (int i = 0; i <= n + m; ++i) column.push_back(RationalOf((*solutions)(i, k)));
    result.solutions.push_back(std::move(column));
  }
  if (result.status >= 1) {
    result.optimalBasis = LabelsOf(record->work, m, n, record->zeroColumnEquation,
                                   [](const Value& v) { return Arith::ToLabel(v); });
  }
  if (withSteps) {
    result.steps = Replay<Arith>(problem, m, n, picks.picks, record->work, result.status);
  }
  return result;
}

}  // namespace

ExplainedRun ExplainRun(const Tableau& tableau, int m, int n, RunNumbers numbers, bool withSteps) {
  if (numbers == RunNumbers::kExtended) {
    return Explain<ExtendedArithmetic>(tableau, m, n, withSteps);
  }
  return Explain<FractionFreeArithmetic>(tableau, m, n, withSteps);
}

ExplainedRun ExplainRun(const ExactTableau& problem, int m, int n, bool withSteps) {
  return Explain<RationalArithmetic>(problem, m, n, withSteps);
}

}  // namespace pivora
