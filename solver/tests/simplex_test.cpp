// The three phases: choice rules, tie-breaks, stops and the stored optimum.
#include <gtest/gtest.h>

#include "solver/tests/solve_text.h"

namespace pivora::testing {
namespace {

TEST(SimplexOptimisation, TiedEntriesTakeTheFirstColumnAndTheSmallestRatioRow) {
  const auto r = SolveText("max\n1 1\n1 1 <= 4\n1 0 <= 3\n");
  ASSERT_TRUE(r);
  ASSERT_EQ(r->status, 2);
  EXPECT_EQ(r->S(0, 1), 4.0L);
  EXPECT_EQ(r->S(1, 1), 3.0L);
  EXPECT_EQ(r->S(2, 1), 1.0L);
  // Column 1 entered in row 2, then column 2 in row 1: x[2] is basic in row
  // 1, x[1] in row 2; y[2] left first and stands in column 1.
  const WorkTableau& w = r->record.work;
  EXPECT_EQ(w(1, 4), 2.0L);
  EXPECT_EQ(w(2, 4), 1.0L);
  EXPECT_EQ(w(4, 1), -2.0L);
  EXPECT_EQ(w(4, 2), -1.0L);
  EXPECT_EQ(r->record.exchanges, 3);  // two in the phase, one in the search
}

TEST(SimplexEquality, PivotsTheEquationAndStoresItsSlackAsZero) {
  const auto r = SolveText("max\n1 0\n1 1 = 3\n");
  ASSERT_TRUE(r);
  ASSERT_EQ(r->status, 1);
  EXPECT_EQ(r->S(0, 1), 3.0L);
  EXPECT_EQ(r->S(1, 1), 3.0L);
  EXPECT_EQ(r->S(2, 1), -1.0L);  // non-basic x[2]: its objective-row entry
  EXPECT_EQ(r->S(3, 1), 0.0L);
  EXPECT_EQ(r->record.work(2 + 1, 1), 0.0L);  // column 1 now holds the zero variable
  EXPECT_EQ(r->record.exchanges, 1);
}

TEST(SimplexEquality, RedundantEquationBecomesASlackOfValueZero) {
  const auto r = SolveText("max\n1 0\n0 0 = 0\n1 0 <= 2\n");
  ASSERT_TRUE(r);
  ASSERT_EQ(r->status, 1);
  EXPECT_EQ(r->S(0, 1), 2.0L);
  EXPECT_EQ(r->S(3, 1), 0.0L);
  EXPECT_EQ(r->record.work(1, 4), -1.0L);  // relabelled y[1]
}

TEST(SimplexEquality, EquationWithoutFreeCoefficientAndNonZeroConstantIsInfeasible) {
  const auto r = SolveText("max\n1 1\n0 0 = 5\n");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->status, 0);
  EXPECT_EQ(r->record.exchanges, 0);
  EXPECT_EQ(r->record.stopRow, 1);
  EXPECT_EQ(r->S(0, 1), 0.0L);  // the solution table is left alone
}

TEST(SimplexFeasibility, NegativeRowWithoutPositiveEntryIsInfeasible) {
  const auto r = SolveText("max\n1 1\n1 1 <= 1\n1 1 <= -1\n");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->status, 0);
  EXPECT_EQ(r->record.exchanges, 0);
  EXPECT_EQ(r->record.stopRow, 2);
}

TEST(SimplexFeasibility, OnePivotInTheFirstNegativeRowThenOneOptimisationStep) {
  const auto r = SolveText("min\n1 1\n1 2 >= 2\n3 1 >= 3\n");
  ASSERT_TRUE(r);
  ASSERT_EQ(r->status, 1);
  EXPECT_EQ(r->record.exchanges, 2);
  EXPECT_NEAR(static_cast<double>(r->S(0, 1)), 1.4, 1e-15);
  EXPECT_NEAR(static_cast<double>(r->S(1, 1)), 0.8, 1e-15);
  EXPECT_NEAR(static_cast<double>(r->S(2, 1)), 0.6, 1e-15);
  // Row 1 pivoted on column 1 (feasibility), row 2 on column 2 (optimisation).
  EXPECT_EQ(r->record.work(1, 4), 1.0L);
  EXPECT_EQ(r->record.work(2, 4), 2.0L);
}

TEST(SimplexOptimisation, EnteringColumnWithoutNegativeEntryIsUnbounded) {
  const auto r = SolveText("max\n1 0\n-1 1 <= 1\n");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->status, -1);
  EXPECT_EQ(r->record.exchanges, 0);
  EXPECT_EQ(r->record.stopColumn, 1);
}

TEST(SimplexOptimisation, StartingVertexAlreadyOptimal) {
  const auto r = SolveText("max\n-1 -2\n1 1 <= 4\n3 1 <= 5\n");
  ASSERT_TRUE(r);
  ASSERT_EQ(r->status, 1);
  EXPECT_EQ(r->record.exchanges, 0);
  EXPECT_EQ(r->S(0, 1), 0.0L);
  EXPECT_EQ(r->S(3, 1), 4.0L);
  EXPECT_EQ(r->S(4, 1), 5.0L);
}

TEST(SimplexOptimisation, MinimisingStoresZNotMinusZ) {
  const auto r = SolveText("min\n1 1\n1 1 >= 2\n");
  ASSERT_TRUE(r);
  ASSERT_GE(r->status, 1);
  for (int k = 1; k <= r->status; ++k) EXPECT_EQ(r->S(0, k), 2.0L) << "solution " << k;
}

TEST(SimplexSetup, OnlyTheSignOfARelationCodeCounts) {
  const std::string text = "max\n2 3 1\n1 1 1 <= 4\n1 0 2 >= 1\n0 1 1 = 2\n";
  auto reference = SolveText(text);
  ASSERT_TRUE(reference);
  auto problem = ParseProblem(text);
  ASSERT_TRUE(problem);
  problem->tableau(1, 5) = -3.5L;
  problem->tableau(2, 5) = 7.0L;
  problem->tableau(4, 5) = 0.25L;  // any positive flag maximises
  const auto r = SolveProblem(*problem);
  EXPECT_EQ(r->status, reference->status);
  EXPECT_TRUE(r->solutions == reference->solutions);
}

TEST(SimplexSetup, FullSizeProblemUsesEveryRowAndColumnAndLeavesTheTableauAlone) {
  auto problem = ParseProblem("max\n1\n1 <= 1\n");
  ASSERT_TRUE(problem);
  problem->m = problem->n = 50;
  problem->tableau.Fill(0.0L);
  for (int i = 1; i <= 50; ++i) {
    for (int j = 1; j <= 50; ++j) problem->tableau(i, j) = (i == j) ? 2.0L : 0.0L;
    problem->tableau(i, 51) = static_cast<Extended>(i);
    problem->tableau(i, 52) = kRelationLessEqual;
    problem->tableau(51, i) = 1.0L;
  }
  problem->tableau(51, 52) = kMaximise;
  const Tableau before = problem->tableau;
  const auto r = SolveProblem(*problem);
  ASSERT_EQ(r->status, 1);
  EXPECT_TRUE(r->problem.tableau == before);
  EXPECT_EQ(r->S(0, 1), 637.5L);  // sum of i / 2
  EXPECT_EQ(r->S(50, 1), 25.0L);
  EXPECT_EQ(r->S(100, 1), -0.5L);  // non-basic y[50]
  EXPECT_EQ(r->record.work(50, 52), 50.0L);
  EXPECT_EQ(r->record.work(52, 50), -50.0L);
}

}  // namespace
}  // namespace pivora::testing
