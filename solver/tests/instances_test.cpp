// Named problems with known outcomes: real instances, Beale's cycling example
// and problems that make the feasibility rule cycle. Status first, then the
// objective.
#include <gtest/gtest.h>

#include <cmath>

#include "solver/checked_solve.h"
#include "solver/tests/solve_text.h"

namespace pivora::testing {
namespace {

void ExpectOutcome(const SolvedProblem& r, const ExpectedOutcome& expected) {
  ExpectOutcome(r.status, r.solutions, expected, 1e-9);
}

TEST(LpInstances, StatusAndObjectiveAsPublished) {
  const auto outcomes = ReadExpectedOutcomes(SourcePath("solver/tests/data/lp-instances/EXPECTED"));
  ASSERT_FALSE(outcomes.empty());
  for (const auto& expected : outcomes) {
    SCOPED_TRACE(expected.file);
    const auto problem =
        ReadTestProblem(SourcePath("solver/tests/data/lp-instances/" + expected.file));
    ASSERT_TRUE(problem);
    const auto r = SolveProblem(*problem);
    EXPECT_FALSE(r->record.cycled);
    ExpectOutcome(*r, expected);
  }
}

TEST(Cycling, BealesExampleEndsAtTheOptimumByTheLeastIndexRule) {
  const auto problem = ReadTestProblem(SourcePath("solver/tests/data/beale.txt"));
  ASSERT_TRUE(problem);
  const auto r = SolveProblem(*problem);
  ASSERT_GE(r->status, 1);
  EXPECT_TRUE(r->record.cycled);
  EXPECT_NEAR(static_cast<double>(r->S(0, 1)), -0.05, 1e-17);
  EXPECT_NEAR(static_cast<double>(r->S(1, 1)), 0.04, 1e-17);
  EXPECT_NEAR(static_cast<double>(r->S(3, 1)), 1.0, 1e-17);
}

// The fixtures' first comment lines say why each is kept.
TEST(Cycling, FeasibilityRuleCyclesEndWithTheTrueOutcome) {
  const auto outcomes = ReadExpectedOutcomes(SourcePath("solver/tests/data/EXPECTED"));
  ASSERT_EQ(outcomes.size(), 3u);
  for (const auto& expected : outcomes) {
    SCOPED_TRACE(expected.file);
    const auto problem = ReadTestProblem(SourcePath("solver/tests/data/" + expected.file));
    ASSERT_TRUE(problem);
    const auto r = SolveProblem(*problem);
    EXPECT_TRUE(r->record.cycled);
    ExpectOutcome(*r, expected);
  }
}

// Known faults of the plain 80-bit run: its zero-snapping gives a wrong
// optimum on one problem and an optimum on an infeasible one. The method
// keeps them; the checked solve reports the true answers.
TEST(KnownFaultOfThePlainRun, SnappingGivesAWrongOptimumAndAFalseOptimum) {
  const auto wrong = ReadTestProblem(SourcePath("solver/tests/data/snap-wrong-optimum.txt"));
  ASSERT_TRUE(wrong);
  const auto r = SolveProblem(*wrong);
  ASSERT_GE(r->status, 1);
  EXPECT_NEAR(static_cast<double>(r->S(0, 1)), 3860.91420270011, 1e-10) << "the known fault";
  SolutionTable checked;
  const SolveResult optimum = SolveChecked(wrong->tableau, wrong->m, wrong->n, checked).result;
  ASSERT_TRUE(optimum.Optimal());
  EXPECT_NEAR(static_cast<double>(checked(0, 1)), 3860.881574, 1e-6) << "the true optimum";

  const auto falseOptimum = ReadTestProblem(SourcePath("solver/tests/data/snap-false-optimum.txt"));
  ASSERT_TRUE(falseOptimum);
  EXPECT_GE(SolveProblem(*falseOptimum)->status, 1) << "the known fault";
  EXPECT_EQ(
      SolveChecked(falseOptimum->tableau, falseOptimum->m, falseOptimum->n, checked).result.outcome,
      SolveOutcome::kNoFeasibleSolution)
      << "the true answer";
}

}  // namespace
}  // namespace pivora::testing
