#include "solve/practice_tableau.h"

#include <memory>

#include "solver/alternatives.h"
#include "solver/exchange_method.h"
#include "solver/least_index.h"
#include "solver/phases.h"
#include "solver/pivot.h"
#include "solver/ratio_test.h"
#include "solver/simplex_run.h"

namespace pivora {

namespace {

// A run of the exchange method standing on one tableau of the practice, in
// exact rationals, so that the phases' choice functions can be asked there.
class MethodAt {
 public:
  MethodAt(int m, int n)
      : tables_(std::make_unique<Tables>()),
        run_{tables_->w, m, n, 1, tables_->solutions, status_, tables_->record, nullptr} {}

  explicit MethodAt(const TableauSnapshot& t) : MethodAt(t.m, t.n) {
    BasicWorkTableau<Rational>& w = tables_->w;
    for (int i = 1; i <= t.m + 1; ++i) {
      for (int j = 1; j <= t.n + 1; ++j) w(i, j) = t.At(i, j);
    }
    for (int i = 1; i <= t.m; ++i) w(i, t.n + 2) = t.RowLabel(i);
    for (int j = 1; j <= t.n; ++j) w(t.m + 2, j) = t.ColumnLabel(j);
  }

  SimplexRun<RationalArithmetic>& Run() { return run_; }
  TableauSnapshot Snapshot() const { return SnapshotOf(tables_->w, run_.m, run_.n); }

 private:
  struct Tables {
    BasicWorkTableau<Rational> w;
    BasicSolutionTable<Rational> solutions;
    BasicSimplexRecord<RationalArithmetic> record;
  };
  std::unique_ptr<Tables> tables_;
  SolveStatus status_ = kNoFeasibleSolution;
  SimplexRun<RationalArithmetic> run_;
};

bool FreeEntryNonZero(const TableauSnapshot& t, int i) {
  for (int j = 1; j <= t.n; ++j) {
    if (t.ColumnLabel(j) != 0 && t.At(i, j) != 0) return true;
  }
  return false;
}

TableauAssessment End(PracticeStage stage, int row, int column) {
  TableauAssessment a;
  a.stage = stage;
  a.phase = ExchangePhase::kOptimisation;
  a.proofRow = row;
  a.proofColumn = column;
  return a;
}

}  // namespace

TableauSnapshot StartingTableau(const ExactTableau& problem, int m, int n) {
  MethodAt method(m, n);
  SetUp(method.Run(), problem);
  return method.Snapshot();
}

TableauSnapshot ExchangeExactly(const TableauSnapshot& t, PivotPlace p) {
  MethodAt method(t);
  Pivot<RationalArithmetic>(method.Run().w, t.m, t.n, p.row, p.column);
  return method.Snapshot();
}

std::vector<int> RelabelRedundantEquations(TableauSnapshot& t) {
  std::vector<int> rows;
  for (int i = 1; i <= t.m; ++i) {
    if (t.RowLabel(i) == 0 && !FreeEntryNonZero(t, i) && t.At(i, t.n + 1) == 0) {
      t.rowLabels[static_cast<std::size_t>(i - 1)] = -i;
      rows.push_back(i);
    }
  }
  return rows;
}

int SmallestQuotientRow(const TableauSnapshot& t, int s) {
  MethodAt method(t);
  return ChooseRatioRow(method.Run(), s);
}

TableauAssessment Assess(const TableauSnapshot& t, const PracticeContext& context) {
  MethodAt method(t);
  SimplexRun<RationalArithmetic>& run = method.Run();
  TableauAssessment a;
  if (const int r = ChooseEqualityRow(run); r != 0) {
    for (int i = 1; i <= t.m; ++i) {
      if (t.RowLabel(i) == 0 && !FreeEntryNonZero(t, i) && t.At(i, t.n + 1) != 0) {
        return End(PracticeStage::kNoFeasibleSolution, i, 0);
      }
    }
    a.stage = PracticeStage::kEquality;
    a.phase = ExchangePhase::kEquality;
    if (const int s = ChooseEqualityColumn(run, r); s != 0) a.rule = PivotPlace{r, s};
    return a;
  }
  if (const int r = ChooseNegativeRow(run); r != 0) {
    for (int i = 1; i <= t.m; ++i) {
      if (t.At(i, t.n + 1) < 0 && ChooseFeasibilityColumn(run, i) == 0) {
        return End(PracticeStage::kNoFeasibleSolution, i, 0);
      }
    }
    a.stage = PracticeStage::kFeasibility;
    a.phase = ExchangePhase::kFeasibility;
    const int s =
        context.leastIndex ? ChooseLeastIndexColumnIn(run, r) : ChooseFeasibilityColumn(run, r);
    a.rule = PivotPlace{context.leastIndex ? ChooseFeasibilityRow(run, r, s) : r, s};
    return a;
  }
  for (int j = 1; j <= t.n; ++j) {
    if (t.ColumnLabel(j) != 0 && t.At(t.m + 1, j) > 0 && ChooseRatioRow(run, j) == 0) {
      return End(PracticeStage::kUnbounded, 0, j);
    }
  }
  if (const int s = context.leastIndex ? ChooseLeastIndexColumn(run) : ChooseEnteringColumn(run);
      s != 0) {
    a.stage = PracticeStage::kOptimisation;
    a.phase = ExchangePhase::kOptimisation;
    a.rule = PivotPlace{
        context.leastIndex ? ChooseLeastIndexRatioRow(run, s) : ChooseRatioRow(run, s), s};
    return a;
  }
  a.stage = PracticeStage::kOptimal;
  a.phase = ExchangePhase::kAlternatives;
  if (const int s = ChooseZeroColumn(run, context.previousColumn); s != 0) {
    if (const int r = ChooseRatioRow(run, s); r != 0) a.rule = PivotPlace{r, s};
  }
  return a;
}

}  // namespace pivora
