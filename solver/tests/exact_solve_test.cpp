#include "solver/exact_solve.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>

#include "solver/fp_error.h"
#include "solver/simplex.h"
#include "solver/tests/glpsol_oracle.h"
#include "solver/tests/solve_text.h"

namespace pivora::testing {
namespace {

struct ExactResult {
  SolutionTable s;
  SolveStatus status = 99;
  ExactSolve run;
};

std::unique_ptr<ExactResult> Exactly(const TestProblem& p) {
  auto r = std::make_unique<ExactResult>();
  r->run = SolveExactly(p.tableau, p.m, p.n, r->s, r->status);
  return r;
}

std::unique_ptr<ExactResult> ExactlyText(const std::string& text) {
  const auto p = ParseProblem(text);
  EXPECT_TRUE(p);
  return Exactly(*p);
}

std::unique_ptr<ExactResult> ExactlyFile(const std::string& name) {
  const auto p = ReadTestProblem(SourcePath("solver/tests/data/" + name));
  EXPECT_TRUE(p) << name;
  return Exactly(*p);
}

// By value: the extended run can store a zero with the sign bit set, which
// no comparison or report can tell from 0.
void ExpectSameValues(const SolutionTable& a, const SolutionTable& b, SolveStatus status,
                      int rows) {
  for (int k = 1; k <= status; ++k) {
    for (int i = 0; i <= rows; ++i) EXPECT_EQ(a(i, k), b(i, k)) << "row " << i << " solution " << k;
  }
}

TEST(SolveExactly, WorkedExamplesGiveTheExtendedRunsResults) {
  // Where the extended run is exact, the exact run takes the same path and
  // stores the same table, alternative optima and their order included.
  const char* problems[] = {
      "max\n1 1\n1 1 <= 4\n1 0 <= 3\n",
      "max\n0 0\n1 1 <= 4\n",
      "max\n1 1 1\n1 1 1 <= 1\n",
      "max\n1 0\n1 1 = 3\n",
      "max\n1 1\n0 0 = 0\n1 0 <= 2\n1 1 <= 5\n",
      "max\n1 1\n1 1 <= -1\n",
      "max\n1 0\n-1 1 <= 1\n",
      "min\n1 1\n1 1 >= 2\n",
  };
  for (const char* text : problems) {
    SCOPED_TRACE(text);
    const auto extended = SolveText(text);
    const auto exact = ExactlyText(text);
    EXPECT_EQ(exact->status, extended->status);
    ExpectSameValues(exact->s, extended->solutions, exact->status,
                     extended->problem.m + extended->problem.n);
    EXPECT_EQ(exact->run.exchanges, extended->record.exchanges);
  }
  // 7/5 rounded once, to the extended value nearest to 1.4.
  const auto minimise = ExactlyText("min\n1 1\n1 2 >= 2\n3 1 >= 3\n");
  ASSERT_EQ(minimise->status, 1);
  EXPECT_EQ(minimise->s(0, 1), 1.4L);
  EXPECT_EQ(minimise->s(1, 1), 0.8L);
  EXPECT_EQ(minimise->s(2, 1), 0.6L);
}

TEST(SolveExactly, FixturesEndWithTheTrueOutcome) {
  EXPECT_EQ(ExactlyFile("snap-false-optimum.txt")->status, 0);

  const auto wrong = ExactlyFile("snap-wrong-optimum.txt");
  ASSERT_GE(wrong->status, 1);
  EXPECT_NEAR(static_cast<double>(wrong->s(0, 1)), 3860.881574, 1e-6);

  // Beale's example cycles in exact arithmetic too; the least-index rule ends it.
  const auto beale = ExactlyFile("beale.txt");
  ASSERT_EQ(beale->status, 1);
  EXPECT_TRUE(beale->run.cycled);
  // Its decimals are not binary fractions, so the exact optimum is -0.05 only
  // to the precision the coefficients were read in.
  EXPECT_NEAR(static_cast<double>(beale->s(0, 1)), -0.05, 1e-17);
  EXPECT_NEAR(static_cast<double>(beale->s(1, 1)), 0.04, 1e-17);
  EXPECT_NEAR(static_cast<double>(beale->s(3, 1)), 1.0, 1e-17);
}

TEST(SolveExactly, AgreesWithGlpsolOnTheFixtures) {
  if (!GlpsolAvailable()) GTEST_SKIP() << "glpsol is not installed";
  for (const char* name :
       {"snap-false-optimum.txt", "snap-wrong-optimum.txt", "feasibility-cycle-1.txt",
        "feasibility-cycle-2.txt", "feasibility-cycle-3.txt"}) {
    SCOPED_TRACE(name);
    const auto p = ReadTestProblem(SourcePath(std::string("solver/tests/data/") + name));
    ASSERT_TRUE(p);
    const OracleAnswer oracle = SolveWithGlpsol(p->tableau, p->m, p->n);
    const auto exact = Exactly(*p);
    switch (oracle.outcome) {
      case OracleAnswer::kOptimal:
        ASSERT_GE(exact->status, 1);
        EXPECT_NEAR(static_cast<double>(exact->s(0, 1)), static_cast<double>(oracle.objective),
                    1e-9 * (1 + std::fabs(static_cast<double>(oracle.objective))));
        break;
      case OracleAnswer::kInfeasible:
        EXPECT_EQ(exact->status, 0);
        break;
      case OracleAnswer::kUnbounded:
        EXPECT_EQ(exact->status, -1);
        break;
      case OracleAnswer::kUnavailable:
        ADD_FAILURE() << "glpsol gave no answer";
        break;
    }
  }
}

TEST(SolveExactly, ARatioBeyondTheSentinelStillLimitsItsColumn) {
  // x1 <= 1e10 / 1e-300: the extended ratio test never takes a ratio at or
  // above 1.7E308 and calls the objective unbounded; exactly it is bounded.
  const auto r = ExactlyText("max\n1\n1e-300 <= 1e10\n");
  ASSERT_EQ(r->status, 1);
  const auto p = ParseProblem("max\n1\n1e-300 <= 1e10\n");
  ASSERT_TRUE(p);
  EXPECT_EQ(r->s(1, 1), p->tableau(1, 2) / p->tableau(1, 1));  // the exact quotient, rounded once
  EXPECT_EQ(SolveText("max\n1\n1e-300 <= 1e10\n")->status, -1);
}

TEST(SolveExactly, ASolutionBeyondTheExtendedRangeIsAnOverflow) {
  try {
    ExactlyText("max\n1\n1e-4000 <= 1e4000\n");
    FAIL() << "no error";
  } catch (const FloatingPointError& e) {
    EXPECT_STREQ(e.what(), "Floating point overflow.");
  }
}

TEST(SolveExactly, LeavesTheTableUntouchedWithoutAnOptimum) {
  ExactResult r;
  r.s(0, 1) = 7;
  r.s(3, 2) = 9;
  const auto p = ParseProblem("max\n1 1\n1 1 <= -1\n");
  ASSERT_TRUE(p);
  SolveExactly(p->tableau, p->m, p->n, r.s, r.status);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.s(0, 1), 7);
  EXPECT_EQ(r.s(3, 2), 9);
}

}  // namespace
}  // namespace pivora::testing

namespace pivora::testing {
namespace {

// From a basis whose matrix is singular on the typed data the exact run
// starts over from the problem's own tableau; from a proper basis it goes on
// from there. Both end at the exact optimum.
TEST(ContinueExactly, StartsOverWhereTheBasisIsSingular) {
  const auto p = ParseProblem("max\n1 1\n1 1 <= 4\n2 2 <= 8\n1 0 <= 3\n");
  ASSERT_TRUE(p);
  auto problem = std::make_unique<ExactTableau>();
  ExactFromExtended(p->tableau, p->m, p->n, *problem);
  auto r = std::make_unique<ExactResult>();
  BasisLabels singular = StartingBasis(*problem, p->m, p->n);
  singular.row = {0, 1, 2, -3};  // x1, x2 basic in the proportional rows 1, 2
  singular.column = {0, -1, -2};
  r->run = ContinueExactly(*problem, p->m, p->n, singular, r->s, r->status);
  EXPECT_TRUE(r->run.fromStart);
  ASSERT_GE(r->status, 1);
  EXPECT_EQ(r->s(0, 1), 4.0L);

  BasisLabels optimal = singular;
  optimal.row = {0, 1, -2, 2};  // x1 = 3, x2 = 1: rows 1 and 3 tight
  optimal.column = {0, -1, -3};
  r->run = ContinueExactly(*problem, p->m, p->n, optimal, r->s, r->status);
  EXPECT_FALSE(r->run.fromStart);
  ASSERT_GE(r->status, 1);
  EXPECT_EQ(r->s(0, 1), 4.0L);
  EXPECT_EQ(r->s(1, 1), 3.0L);
  EXPECT_EQ(r->s(2, 1), 1.0L);
}

}  // namespace
}  // namespace pivora::testing
