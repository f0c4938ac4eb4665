#include "solver/explained_run.h"

#include <memory>

#include "solver/exact_solve.h"
#include "solver/exact_tables.h"
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

// Collects the picks of a run for its steps, passes every call on to the
// solve's observer, and with `limit` set ends the run before the exchange
// after the limit-th: then `ended` is set.
class BoundedPicks final : public ExchangeObserver {
 public:
  BoundedPicks(ExchangeObserver* observer, std::size_t limit) : observer_(observer), limit_(limit) {}

  bool CancelRequested() override {
    if (observer_ != nullptr && observer_->CancelRequested()) return true;
    ended = limit_ != 0 && picks.size() >= limit_;
    return ended;
  }
  void Exchanged(const ExchangeStep& step) override {
    picks.push_back(ExchangePick{step.phase, step.leastIndex, step.r, step.s});
    if (observer_ != nullptr) observer_->Exchanged(step);
  }

  std::vector<ExchangePick> picks;
  bool ended = false;

 private:
  ExchangeObserver* observer_;
  std::size_t limit_;
};

// The tableaus of a run, rebuilt by repeating its pivots on the tableau of
// the setup: a repeat of the same operations gives the same values, bit for
// bit in extended arithmetic and trivially in exact arithmetic. The first
// steps go to the sink (or into the record), the rest are only made.
template <class Arith, class Problem>
StepRecord Replay(const Problem& problem, int m, int n, const BoundedPicks& run,
                  const BasicWorkTableau<typename Arith::Value>& end, SolveStatus status,
                  const StepOptions& options, ExchangeObserver* observer) {
  using Value = typename Arith::Value;
  [[maybe_unused]] const typename Arith::FlagScope flags;
  auto w = std::make_unique<BasicWorkTableau<Value>>();
  auto solutions = std::make_unique<BasicSolutionTable<Value>>();
  auto record = std::make_unique<BasicSimplexRecord<Arith>>();
  SolveStatus unused = kNoFeasibleSolution;
  SimplexRun<Arith> replay{*w, m, n, 1, *solutions, unused, *record};
  SetUp(replay, problem);

  StepRecord steps;
  steps.complete = !run.ended;
  steps.exchanges = static_cast<long>(run.picks.size());
  for (const ExchangePick& pick : run.picks) {
    if (steps.shown == options.maxShown) {
      if (!steps.complete) return steps;
    } else {
      ThrowIfCancelled(observer);
      RelabelRedundantRows(replay, pick.phase == ExchangePhase::kEquality ? pick.row : m + 1);
      ShownStep step{pick, SnapshotOf(*w, m, n)};
      if (options.sink != nullptr) {
        options.sink->Shown(step);
      } else {
        steps.steps.push_back(std::move(step));
      }
      ++steps.shown;
    }
    Pivot<Arith>(*w, m, n, pick.row, pick.column);
  }
  if (!steps.complete) return steps;
  // A run without an optimum ends in the phases, where its record holds the
  // tableau; one with an optimum went past the equality phase.
  if (status >= 1) {
    RelabelRedundantRows(replay, m + 1);
    steps.last = SnapshotOf(*w, m, n);
  } else {
    steps.last = SnapshotOf(end, m, n);
  }
  return steps;
}

template <class Arith>
void KeepResult(const BasicSimplexRecord<Arith>& record,
                const BasicSolutionTable<typename Arith::Value>& solutions, int m, int n,
                ExplainedRun& result) {
  for (int k = 1; k <= result.status; ++k) {
    std::vector<Rational> column;
    column.reserve(static_cast<std::size_t>(n + m + 1));
    for (int i = 0; i <= n + m; ++i) column.push_back(RationalOf(solutions(i, k)));
    result.solutions.push_back(std::move(column));
  }
  if (result.status >= 1) {
    result.optimalBasis =
        LabelsOf(record.work, m, n, record.zeroColumnEquation,
                 [](const typename Arith::Value& v) { return Arith::ToLabel(v); });
  }
}

template <class Arith, class Problem>
ExplainedRun Explain(const Problem& problem, int m, int n, bool withSteps,
                     const StepOptions& options, ExchangeObserver* observer) {
  using Value = typename Arith::Value;
  auto solutions = std::make_unique<BasicSolutionTable<Value>>();
  auto record = std::make_unique<BasicSimplexRecord<Arith>>();
  BoundedPicks picks(observer, withSteps && options.endAfterShown ? options.maxShown : 0);
  ExplainedRun result;
  try {
    RunSimplexWith<Arith>(problem, m, n, *solutions, result.status, *record, &picks);
  } catch (const SolveCancelled&) {
    if (!picks.ended) throw;
  }
  if (picks.ended) {
    result.status = kNoFeasibleSolution;
  } else {
    KeepResult(*record, *solutions, m, n, result);
  }
  if (withSteps) {
    result.steps =
        Replay<Arith>(problem, m, n, picks, record->work, result.status, options, observer);
  }
  return result;
}

}  // namespace

ExplainedRun ExplainRun(const Tableau& tableau, int m, int n, RunNumbers numbers, bool withSteps,
                        const StepOptions& options, ExchangeObserver* observer) {
  if (numbers == RunNumbers::kExtended) {
    return Explain<ExtendedArithmetic>(tableau, m, n, withSteps, options, observer);
  }
  return Explain<FractionFreeArithmetic>(tableau, m, n, withSteps, options, observer);
}

ExplainedRun ExplainRun(const ExactTableau& problem, int m, int n, bool withSteps,
                        const StepOptions& options, ExchangeObserver* observer) {
  return Explain<FractionFreeArithmetic>(problem, m, n, withSteps, options, observer);
}

ExplainedRun ExplainResult(const ExactTableau& problem, int m, int n, const BasisLabels& start,
                           ExchangeObserver* observer) {
  auto tables = std::make_unique<ExactTables>();
  const bool fromStart = !BuildBasisTableau(problem, m, n, start, tables->w, observer);
  if (fromStart) BuildBasisTableau(problem, m, n, StartingBasis(problem, m, n), tables->w);
  ResetRecord(tables->record);
  // Zero columns keep the equation they belong to.
  for (int j = 1; j <= n && !fromStart; ++j) {
    const auto k = static_cast<std::size_t>(j);
    if (start.column[k] == 0) tables->record.zeroColumnEquation[k] = start.zeroColumnEquation[k];
  }
  ExplainedRun result;
  const int sigma = problem(m + 1, n + 2) > 0 ? 1 : -1;
  SimplexRun<FractionFreeArithmetic> run{
      tables->w, m, n, sigma, tables->solutions, result.status, tables->record, observer};
  RunPhases(run);
  KeepResult(tables->record, tables->solutions, m, n, result);
  if (result.status >= 1) result.optimum = SnapshotOf(tables->record.work, m, n);
  result.steps.exchanges = tables->record.exchanges;
  result.steps.last = SnapshotOf(tables->w, m, n);
  return result;
}

}  // namespace pivora
