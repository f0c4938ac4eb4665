// The steps and the exact result of a repeated run, against exchanges worked
// by hand: the worked example, Beale's cycle and a problem with a fractional
// optimum.
#include "solver/explained_run.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "solver/tests/solve_text.h"

namespace pivora::testing {
namespace {

using Entering = std::pair<int, int>;  // entering label, leaving label

std::vector<Entering> Exchanges(const StepRecord& record, std::size_t count) {
  std::vector<Entering> pairs;
  for (std::size_t k = 0; k < count && k < record.steps.size(); ++k) {
    const ShownStep& step = record.steps[k];
    pairs.emplace_back(step.before.ColumnLabel(step.pick.column),
                       step.before.RowLabel(step.pick.row));
  }
  return pairs;
}

void ExpectRows(const TableauSnapshot& t, const std::vector<std::vector<Rational>>& rows) {
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(t.m + 1));
  for (int i = 1; i <= t.m + 1; ++i) {
    for (int j = 1; j <= t.n + 1; ++j) {
      EXPECT_EQ(t.At(i, j), rows[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)])
          << "row " << i << ", column " << j;
    }
  }
}

// max 3x1 + 2x2, x1 + x2 <= 4, x1 + 3x2 <= 6: column 1 enters (entry 3),
// row 1 leaves (ratio 4 against 6); then no entry of the objective row is
// positive. Pivot -1: row 1 becomes (-1, -1 | 4), row 2 (1, -2 | 2), the
// objective row (-3, -1 | 12).
TEST(ExplainedRun, WorkedExampleInOneExchange) {
  const auto problem = ParseProblem("max\n3 2\n1 1 <= 4\n1 3 <= 6\n");
  ASSERT_TRUE(problem);
  for (RunNumbers numbers : {RunNumbers::kExtended, RunNumbers::kExact}) {
    const ExplainedRun run = ExplainRun(problem->tableau, 2, 2, numbers, true);
    ASSERT_EQ(run.status, 1);
    ASSERT_EQ(run.steps.steps.size(), 1u);
    const ShownStep& step = run.steps.steps[0];
    EXPECT_EQ(step.pick.phase, ExchangePhase::kOptimisation);
    EXPECT_FALSE(step.pick.leastIndex);
    EXPECT_EQ(step.pick.row, 1);
    EXPECT_EQ(step.pick.column, 1);
    ExpectRows(step.before, {{-1, -1, 4}, {-1, -3, 6}, {3, 2, 0}});
    ExpectRows(run.steps.last, {{-1, -1, 4}, {1, -2, 2}, {-3, -1, 12}});
    EXPECT_EQ(run.steps.last.rowLabels, (std::vector<int>{1, -2}));
    EXPECT_EQ(run.steps.last.columnLabels, (std::vector<int>{-1, 2}));
    EXPECT_EQ(run.optimalBasis.row[1], 1);
    EXPECT_EQ(run.optimalBasis.row[2], -2);
  }
}

// Beale's example cycles under the largest-entry rule with first-row ties:
// x1, x2, x3, x4, y1, y2 enter in turn, y1, y2, x1, x2, x3, x4 leave, and the
// sixth exchange gives back the starting tableau with its columns permuted.
// The least-index rule then finishes at z = -0.05, x1 = 0.04, x3 = 1.
TEST(ExplainedRun, BealeCyclesThroughSixExchangesThenLeastIndexEnds) {
  const auto problem = ReadTestProblem(SourcePath("solver/tests/data/beale.txt"));
  ASSERT_TRUE(problem);
  const ExplainedRun run = ExplainRun(problem->tableau, 3, 4, RunNumbers::kExact, true);
  const std::vector<Entering> cycle{{1, -1}, {2, -2}, {3, 1}, {4, 2}, {-1, 3}, {-2, 4}};
  ASSERT_GE(run.steps.steps.size(), 7u);
  EXPECT_EQ(Exchanges(run.steps, 6), cycle);

  const TableauSnapshot& start = run.steps.steps[0].before;
  const TableauSnapshot& again = run.steps.steps[6].before;
  EXPECT_EQ(again.rowLabels, start.rowLabels);
  for (int j = 1; j <= 4; ++j) {
    int k = 1;
    while (k <= 4 && again.ColumnLabel(k) != start.ColumnLabel(j)) ++k;
    ASSERT_LE(k, 4);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(again.At(i, k), start.At(i, j));
  }

  bool leastIndex = false;
  for (const ShownStep& step : run.steps.steps) leastIndex = leastIndex || step.pick.leastIndex;
  EXPECT_TRUE(leastIndex);
  ASSERT_EQ(run.status, 1);
  // The problem holds 0.02 and 0.75 as the binary fractions nearest to them.
  EXPECT_NEAR(run.solutions[0][0].get_d(), -0.05, 1e-17);
  EXPECT_NEAR(run.solutions[0][1].get_d(), 0.04, 1e-17);
  EXPECT_EQ(run.solutions[0][3], Rational(1));
}

// min x1 + x2, x1 + 2x2 >= 2, 3x1 + x2 >= 3: one feasibility exchange on
// row 1, column 1, one optimisation exchange on row 2, column 2, and the
// optimum 7/5 at x1 = 4/5, x2 = 3/5, which no extended value holds.
TEST(ExplainedRun, ExactRunGivesTheFractionalOptimum) {
  const auto problem = ParseProblem("min\n1 1\n1 2 >= 2\n3 1 >= 3\n");
  ASSERT_TRUE(problem);
  const ExplainedRun run = ExplainRun(problem->tableau, 2, 2, RunNumbers::kExact, true);
  ASSERT_EQ(run.status, 1);
  ASSERT_EQ(run.steps.steps.size(), 2u);
  const ExchangePick& first = run.steps.steps[0].pick;
  const ExchangePick& second = run.steps.steps[1].pick;
  EXPECT_EQ(first.phase, ExchangePhase::kFeasibility);
  EXPECT_EQ(std::make_pair(first.row, first.column), std::make_pair(1, 1));
  EXPECT_EQ(second.phase, ExchangePhase::kOptimisation);
  EXPECT_EQ(std::make_pair(second.row, second.column), std::make_pair(2, 2));
  EXPECT_EQ(run.solutions[0][0], Rational(7, 5));
  EXPECT_EQ(run.solutions[0][1], Rational(4, 5));
  EXPECT_EQ(run.solutions[0][2], Rational(3, 5));
}

// x1 + x2 = 2 and 2x1 + 2x2 = 4: the first equation's exchange leaves the
// second with no free entry and constant 0, so the equality phase relabels it
// y2 without an exchange; the tableaus rebuilt for the view carry that label
// from then on.
TEST(ExplainedRun, RedundantEquationIsRelabelledBetweenExchanges) {
  const auto problem = ParseProblem("max\n1 1\n1 1 = 2\n2 2 = 4\n1 0 <= 1\n");
  ASSERT_TRUE(problem);
  const ExplainedRun run = ExplainRun(problem->tableau, 3, 2, RunNumbers::kExact, true);
  ASSERT_EQ(run.status, 2);
  ASSERT_EQ(run.steps.steps.size(), 3u);
  EXPECT_EQ(run.steps.steps[0].before.rowLabels, (std::vector<int>{0, 0, -3}));
  EXPECT_EQ(run.steps.steps[1].pick.phase, ExchangePhase::kFeasibility);
  EXPECT_EQ(run.steps.steps[1].before.rowLabels, (std::vector<int>{1, -2, -3}));
  EXPECT_EQ(run.steps.last.rowLabels, (std::vector<int>{-3, -2, 2}));
}

}  // namespace
}  // namespace pivora::testing
