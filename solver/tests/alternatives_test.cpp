// The alternative-optima search: which columns it enters, what it stores, and
// when it stops.
#include <gtest/gtest.h>

#include "solver/tests/solve_text.h"

namespace pivora::testing {
namespace {

TEST(AlternativeOptima, SecondVertexThenOnlyThePreviousColumnIsLeft) {
  const auto r = SolveText("max\n1 1\n1 1 <= 4\n1 0 <= 3\n");
  ASSERT_TRUE(r);
  ASSERT_EQ(r->status, 2);
  const Extended first[] = {4, 3, 1, -1, 0};
  const Extended second[] = {4, 0, 4, -1, 3};
  for (int row = 0; row <= 4; ++row) {
    EXPECT_EQ(r->S(row, 1), first[row]) << "row " << row;
    EXPECT_EQ(r->S(row, 2), second[row]) << "row " << row;
  }
}

TEST(AlternativeOptima, ReturnToSolutionOneIsDropped) {
  const auto r = SolveText("max\n0 0\n1 1 <= 4\n");
  ASSERT_TRUE(r);
  ASSERT_EQ(r->status, 3);
  const Extended expected[3][4] = {{0, 0, 0, 4}, {0, 4, 0, 0}, {0, 0, 4, 0}};
  for (int k = 1; k <= 3; ++k) {
    for (int row = 0; row <= 3; ++row) {
      EXPECT_EQ(r->S(row, k), expected[k - 1][row]) << "solution " << k << " row " << row;
    }
  }
  EXPECT_EQ(r->record.exchanges, 3);  // the third exchange came back and was dropped
  // The dropped copy still stands in column 4.
  EXPECT_EQ(r->S(3, 4), 4.0L);
}

TEST(AlternativeOptima, EachVariableOfATiedConstraintInTurn) {
  const auto r = SolveText("max\n1 1 1\n1 1 1 <= 1\n");
  ASSERT_TRUE(r);
  ASSERT_EQ(r->status, 3);
  for (int k = 1; k <= 3; ++k) {
    EXPECT_EQ(r->S(0, k), 1.0L);
    for (int j = 1; j <= 3; ++j) EXPECT_EQ(r->S(j, k), j == k ? 1.0L : 0.0L) << k << "," << j;
  }
}

TEST(AlternativeOptima, ZeroEntryColumnThatGrowsWithoutLimitEndsTheSearch) {
  const auto r = SolveText("max\n0 1\n0 1 <= 1\n");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->status, 1);
  EXPECT_EQ(r->record.exchanges, 1);
}

TEST(AlternativeOptima, DegenerateStepBackToSolutionOneIsDropped) {
  const auto r = SolveText("max\n0\n1 <= 0\n");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->status, 1);
  EXPECT_EQ(r->record.exchanges, 1);
}

TEST(AlternativeOptima, UniqueOptimumMakesNoSearchExchange) {
  const auto r = SolveText("max\n3 2\n1 1 <= 4\n1 3 <= 6\n1 0 <= 3\n");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->status, 1);
  EXPECT_EQ(r->S(0, 1), 11.0L);
  EXPECT_EQ(r->record.exchanges, 2);
}

TEST(AlternativeOptima, RecordHoldsTheFirstOptimumNotTheLastVertex) {
  const auto r = SolveText("max\n1 1\n1 1 <= 4\n1 0 <= 3\n");
  ASSERT_TRUE(r);
  ASSERT_EQ(r->status, 2);
  EXPECT_EQ(r->record.work(2, 4), 1.0L);  // x[1] still basic in row 2
  EXPECT_EQ(r->record.work(2, 3), 3.0L);
}

// Walks that keep finding new vertices end at 50, and a vertex met again
// after solution 2 is kept and counted: only solution 1 is compared.
TEST(AlternativeOptima, StopsAtFiftyAndKeepsRepeatsOfLaterSolutions) {
  const auto problem = ReadTestProblem(SourcePath("solver/tests/data/fifty-alternatives.txt"));
  ASSERT_TRUE(problem);
  const auto r = SolveProblem(*problem);
  ASSERT_EQ(r->status, 50);
  bool repeat = false;
  for (int k = 3; k <= 50 && !repeat; ++k) {
    for (int l = 2; l < k && !repeat; ++l) {
      bool same = true;
      for (int row = 0; row <= problem->n + problem->m; ++row)
        same = same && r->S(row, k) == r->S(row, l);
      repeat = same;
    }
  }
  EXPECT_TRUE(repeat);
  for (int k = 2; k <= 50; ++k) EXPECT_EQ(r->S(0, k), r->S(0, 1));
}

}  // namespace
}  // namespace pivora::testing
