#include "solver/explained_run.h"

#include <memory>
#include <type_traits>

#include "solver/exact_solve.h"
#include "solver/exact_tables.h"
#include "solver/exchange_method.h"
#include "solver/fraction_free.h"
#include "solver/residue_tableau.h"

namespace pivora {

namespace {

std::size_t Bits(const TableauSnapshot& t) {
  std::size_t bits = 0;
  for (const Rational& q : t.entries) {
    bits += mpz_sizeinbase(q.get_num_mpz_t(), 2) + mpz_sizeinbase(q.get_den_mpz_t(), 2);
  }
  return bits;
}

// Shows the steps of a run as it makes them: told that an exchange was
// chosen, it takes the tableau the exchange is chosen on (the equality
// phase has relabelled a redundant equation's row by then), and told of the
// exchange, it hands that tableau on with the pick. Every call goes on to
// the solve's observer too. With endAfterShown it ends the run before the
// first exchange past the shown steps: then `ended` is set.
template <class Value>
class LiveSteps final : public ExchangeObserver {
 public:
  LiveSteps(const BasicWorkTableau<Value>& w, int m, int n, const StepOptions& options,
            ExchangeObserver* observer)
      : w_(w), m_(m), n_(n), options_(options), observer_(observer), limit_(options.maxShown) {}

  bool CancelRequested() override {
    if (observer_ != nullptr && observer_->CancelRequested()) return true;
    if (record.shown == limit_) {
      ended = options_.endAfterShown;
      return ended;
    }
    return false;
  }

  void ExchangeChosen() override {
    if (observer_ != nullptr) observer_->ExchangeChosen();
    if (record.shown != limit_) pending_ = SnapshotOf(w_, m_, n_, observer_);
  }

  void Exchanged(const ExchangeStep& step) override {
    if (observer_ != nullptr) observer_->Exchanged(step);
    ++record.exchanges;
    if (record.shown == limit_) return;
    ShownStep shown{ExchangePick{step.phase, step.leastIndex, step.r, step.s}, std::move(pending_)};
    pending_ = TableauSnapshot();
    if (options_.maxShownBits != 0) {
      bits_ += Bits(shown.before);
      if (bits_ >= options_.maxShownBits) limit_ = record.shown + 1;
    }
    if (options_.sink != nullptr) {
      options_.sink->Shown(shown);
    } else {
      record.steps.push_back(std::move(shown));
    }
    ++record.shown;
  }

  StepRecord record;
  bool ended = false;

 private:
  const BasicWorkTableau<Value>& w_;
  int m_;
  int n_;
  const StepOptions& options_;
  ExchangeObserver* observer_;
  std::size_t limit_;
  std::size_t bits_ = 0;
  TableauSnapshot pending_;
};

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
  [[maybe_unused]] const typename Arith::FlagScope flags;
  auto w = std::make_unique<BasicWorkTableau<Value>>();
  auto solutions = std::make_unique<BasicSolutionTable<Value>>();
  auto record = std::make_unique<BasicSimplexRecord<Arith>>();
  ResetRecord(*record);
  LiveSteps<Value> steps(*w, m, n, options, observer);
  ExplainedRun result;
  SimplexRun<Arith> run{
      *w, m, n, 1, *solutions, result.status, *record, withSteps ? &steps : observer};
  SetUp(run, problem);
  if constexpr (std::is_same_v<Problem, ExactTableau>) {
    // The same tableau over one common denominator: each entry an integer
    // over the scales of the integer rows. Decimals set up one by one keep
    // denominators of their own, and then no exchange divides exactly: each
    // update would go through reduced fractions, three gcds apiece. A
    // build that fails leaves no tableau: then the cells are set up again.
    if (!BuildBasisTableau(IntegerRows(problem, m, n), StartingBasis(problem, m, n), *w))
      SetUp(run, problem);
  }
  try {
    RunPhases(run);
  } catch (const SolveCancelled&) {
    if (!steps.ended) throw;
  }
  if (steps.ended) {
    result.status = kNoFeasibleSolution;
    steps.record.complete = false;
  } else {
    KeepResult(*record, *solutions, m, n, result);
    steps.record.last = SnapshotOf(*w, m, n, observer);
  }
  if (withSteps) result.steps = std::move(steps.record);
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

namespace {

// ExplainResult's run on work tableau `w`, which holds `start`, or the
// starting tableau where `fromStart`.
template <class Work>
ExplainedRun ExplainFrom(Work& w, const ExactTableau& problem, int m, int n,
                         const BasisLabels& start, bool fromStart,
                         const std::vector<std::array<int, 2>>* search, ExchangeObserver* observer,
                         ResultTableaus wanted) {
  auto tables = std::make_unique<ExactTables>();
  ResetRecord(tables->record);
  // Zero columns keep the equation they belong to.
  for (int j = 1; j <= n && !fromStart; ++j) {
    const auto k = static_cast<std::size_t>(j);
    if (start.column[k] == 0) tables->record.zeroColumnEquation[k] = start.zeroColumnEquation[k];
  }
  ExplainedRun result;
  const int sigma = problem(m + 1, n + 2) > 0 ? 1 : -1;
  SimplexRun<FractionFreeArithmetic, Work> run{
      w, m, n, sigma, tables->solutions, result.status, tables->record, observer};
  // The record keeps only the labels: reading a whole residue tableau back
  // costs more than building the first optimum again where a search moved on.
  run.keepWork = false;
  bool searched = false;
  if (search != nullptr && !fromStart) {
    // The replayed optimum: its first vertex here, then the search's own
    // exchanges, each one a further vertex.
    run.status = 1;
    StoreSolution(run, 1);
    KeepWork(run);
    run.phase = ExchangePhase::kAlternatives;
    for (const auto& [r, s] : *search) {
      searched = true;
      run.Exchange(r, s);
      ++run.status;
      StoreSolution(run, run.status);
    }
  } else {
    RunPhases(run);
    searched = tables->record.searchExchangeCount > 0;
  }
  KeepResult(tables->record, tables->solutions, m, n, result);
  result.steps.exchanges = tables->record.exchanges;
  const bool optimal = result.status >= 1;
  if (wanted.last) result.steps.last = SnapshotOf(w, m, n, observer);
  if (wanted.optimum && optimal) {
    // Without a search exchange the run ended on its first optimum.
    if (searched) {
      result.optimum = ExactTableauAt(problem, m, n, result.optimalBasis, observer);
    } else {
      result.optimum = wanted.last ? result.steps.last : SnapshotOf(w, m, n, observer);
    }
  }
  return result;
}

}  // namespace

ExplainedRun ExplainResult(const ExactTableau& problem, int m, int n, const BasisLabels& start,
                           const std::vector<std::array<int, 2>>* search,
                           ExchangeObserver* observer, ResultTableaus wanted) {
  // On residues where the numbers allow, for the exchanges' sake; on exact
  // values where they do not, or where an entry read back was not the
  // tableau's.
  const IntegerRows rows(problem, m, n);
  bool fromStart = false;
  if (const auto residues = ResiduesFrom(rows, start, observer, fromStart)) {
    try {
      return ExplainFrom(*residues, problem, m, n, start, fromStart, search, observer, wanted);
    } catch (const ResidueBoundExceeded&) {
    }
  }
  auto w = std::make_unique<BasicWorkTableau<FractionFree>>();
  fromStart = !BuildBasisTableau(rows, start, *w, observer);
  if (fromStart) BuildBasisTableau(rows, StartingBasis(problem, m, n), *w);
  return ExplainFrom(*w, problem, m, n, start, fromStart, search, observer, wanted);
}

TableauSnapshot ExactTableauAt(const ExactTableau& problem, int m, int n, const BasisLabels& basis,
                               ExchangeObserver* observer) {
  const IntegerRows rows(problem, m, n);
  std::unique_ptr<ResidueTableau> residues;
  if (ResidueTableau::Build(rows, basis, observer, residues) == ResidueTableau::Built::kBuilt) {
    try {
      return SnapshotOf(*residues, m, n, observer);
    } catch (const ResidueBoundExceeded&) {
    }
  }
  auto w = std::make_unique<BasicWorkTableau<FractionFree>>();
  if (!BuildBasisTableau(rows, basis, *w, observer)) return {};
  return SnapshotOf(*w, m, n, observer);
}

}  // namespace pivora
