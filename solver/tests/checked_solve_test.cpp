#include "solver/checked_solve.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "solver/exact_solve.h"
#include "solver/explained_run.h"
#include "solver/fp_error.h"
#include "solver/simplex.h"
#include "solver/testing/long_digit_problem.h"
#include "solver/testing/random_problem.h"
#include "solver/tests/glpsol_oracle.h"
#include "solver/tests/reference_simplex.h"
#include "solver/tests/solve_text.h"

namespace pivora::testing {
namespace {

struct Checked {
  SolutionTable s;
  SolveStatus status = 99;
  CheckedSolve run;
};

std::unique_ptr<Checked> SolveCheckedProblem(const Tableau& t, int m, int n) {
  auto r = std::make_unique<Checked>();
  r->run = SolveChecked(t, m, n, r->s);
  r->status = r->run.result.Status();
  return r;
}

void ExpectOutcome(const Checked& r, const ExpectedOutcome& expected) {
  ExpectOutcome(r.status, r.s, expected, 1e-12);
}

// Each of these makes the plain 80-bit run report a wrong or unproven result
// (the first comment line of each file says which); the checked solve
// reports the true one, the exact run's where the two differ.
TEST(SolveChecked, FailingFixturesReportTheTrueOutcome) {
  const auto outcomes = ReadExpectedOutcomes(SourcePath("solver/tests/data/certify/EXPECTED"));
  ASSERT_EQ(outcomes.size(), 6u);
  for (const auto& expected : outcomes) {
    SCOPED_TRACE(expected.file);
    const auto p = ReadTestProblem(SourcePath("solver/tests/data/certify/" + expected.file));
    ASSERT_TRUE(p);
    const auto extended = SolveProblem(*p);
    const auto checked = SolveCheckedProblem(p->tableau, p->m, p->n);
    EXPECT_EQ(checked->run.exact,
              extended->status != checked->status || extended->solutions(0, 1) != checked->s(0, 1));
    ExpectOutcome(*checked, expected);
  }
}

// Where the judge's exact run went on from a wrong extended basis to an
// optimum, the views are handed its first optimal basis: the exact run from
// there makes no exchange of its phases, only the search's, and reaches the
// judge's exact vertices.
TEST(JudgeExactly, HandsTheViewsTheExactRunsFirstOptimum) {
  int continued = 0;
  const auto check = [&continued](const ExactTableau& exact, const Tableau& tableau, int m, int n) {
    auto solutions = std::make_unique<SolutionTable>();
    const auto same = [m, n](SolveStatus status, const SolutionTable& a,
                             const ExactSolutions& values) {
      return SameValues(status, a, values, m, n);
    };
    const CheckedSolve checked = SolveChecked(tableau, exact, m, n, same, *solutions);
    const SolveStatus status = checked.result.Status();
    if (!checked.judged || checked.replayed || checked.exactExchanges == 0 || status < 1) return;
    ++continued;
    const ExplainedRun views = ExplainResult(exact, m, n, checked.judgeBasis);
    EXPECT_LE(views.steps.exchanges, status);
    ASSERT_EQ(views.status, status);
    for (int k = 1; k <= status; ++k) {
      for (int i = 0; i <= n + m; ++i)
        ASSERT_EQ(views.solutions[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(i)],
                  (*checked.values)(i, k));
    }
  };
  // Mixed exponents at 12 x 12 whose extended runs end 8, 6 and 28 exact
  // exchanges from the optimum.
  for (const std::uint64_t seed : {9, 12, 15}) {
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    auto exact = std::make_unique<ExactTableau>();
    const RandomProblem p =
        MakeLongDigitProblem(seed, LongDigitFamily::kMixedExponents, 12, *exact);
    check(*exact, p.tableau, p.m, p.n);
  }
  EXPECT_EQ(continued, 3);
}

// Where the judge's exact run ended without an optimum, the views are handed
// the basis it stopped at: the tableau there is the one that the exact run
// from the judge's start ends with.
TEST(JudgeExactly, HandsTheViewsTheExactRunsStop) {
  int stopped = 0;
  for (const char* file : {"certify/false-optimum-unbounded.txt", "certify/false-unbounded.txt",
                           "certify/unproven-unbounded.txt", "snap-false-optimum.txt"}) {
    SCOPED_TRACE(file);
    const auto p = ReadTestProblem(SourcePath(std::string("solver/tests/data/") + file));
    ASSERT_TRUE(p);
    const auto checked = SolveCheckedProblem(p->tableau, p->m, p->n);
    if (!checked->run.stopped) continue;
    ++stopped;
    auto exact = std::make_unique<ExactTableau>();
    ExactFromExtended(p->tableau, p->m, p->n, *exact);
    const TableauSnapshot end = ExactTableauAt(*exact, p->m, p->n, checked->run.stopBasis);
    const TableauSnapshot last =
        ExplainResult(*exact, p->m, p->n, checked->run.judgeBasis).steps.last;
    EXPECT_TRUE(end.entries == last.entries);
    EXPECT_EQ(end.rowLabels, last.rowLabels);
    EXPECT_EQ(end.columnLabels, last.columnLabels);
  }
  EXPECT_GE(stopped, 2);
}

TEST(SolveChecked, SnappingFixturesAndBealeEndRight) {
  const auto falseOptimum = ReadTestProblem(SourcePath("solver/tests/data/snap-false-optimum.txt"));
  ASSERT_TRUE(falseOptimum);
  const auto infeasible =
      SolveCheckedProblem(falseOptimum->tableau, falseOptimum->m, falseOptimum->n);
  EXPECT_TRUE(infeasible->run.exact);
  EXPECT_EQ(infeasible->status, 0);

  const auto wrongOptimum = ReadTestProblem(SourcePath("solver/tests/data/snap-wrong-optimum.txt"));
  ASSERT_TRUE(wrongOptimum);
  const auto optimum = SolveCheckedProblem(wrongOptimum->tableau, wrongOptimum->m, wrongOptimum->n);
  EXPECT_TRUE(optimum->run.exact);
  ASSERT_GE(optimum->status, 1);
  EXPECT_NEAR(static_cast<double>(optimum->s(0, 1)), 3860.881574, 1e-6);
  // Row 7 (x1 + 2 x2 + ... < 23) holds now.
  Extended lhs = 0;
  for (int j = 1; j <= wrongOptimum->n; ++j) {
    lhs += wrongOptimum->tableau(7, j) * std::fmax(optimum->s(j, 1), 0.0L);
  }
  EXPECT_LE(static_cast<double>(lhs), 23.0 * (1 + 1e-15));

  // Beale's example cycles; the least-index rule ends the cycle at the right
  // optimum, from which the exact run makes no exchange.
  const auto beale = ReadTestProblem(SourcePath("solver/tests/data/beale.txt"));
  ASSERT_TRUE(beale);
  const auto cycled = SolveCheckedProblem(beale->tableau, beale->m, beale->n);
  EXPECT_TRUE(cycled->run.cycled);
  EXPECT_EQ(cycled->run.exactExchanges, 0);
  EXPECT_NEAR(static_cast<double>(cycled->s(0, 1)), -0.05, 1e-17);
}

TEST(SolveChecked, AgreesWithGlpsolOnTheFailingFixtures) {
  if (!GlpsolAvailable()) GTEST_SKIP() << "glpsol is not installed";
  for (const auto& expected :
       ReadExpectedOutcomes(SourcePath("solver/tests/data/certify/EXPECTED"))) {
    SCOPED_TRACE(expected.file);
    const auto p = ReadTestProblem(SourcePath("solver/tests/data/certify/" + expected.file));
    ASSERT_TRUE(p);
    const OracleAnswer oracle = SolveWithGlpsol(p->tableau, p->m, p->n);
    const auto checked = SolveCheckedProblem(p->tableau, p->m, p->n);
    switch (oracle.outcome) {
      case OracleAnswer::kOptimal:
        ASSERT_GE(checked->status, 1);
        EXPECT_NEAR(static_cast<double>(checked->s(0, 1)), static_cast<double>(oracle.objective),
                    1e-12 * std::fabs(static_cast<double>(oracle.objective)));
        break;
      case OracleAnswer::kInfeasible:
        EXPECT_EQ(checked->status, 0);
        break;
      case OracleAnswer::kUnbounded:
        EXPECT_EQ(checked->status, -1);
        break;
      case OracleAnswer::kUnavailable:
        ADD_FAILURE() << "glpsol gave no answer";
        break;
    }
  }
}

// Where the plain 80-bit run is right (the worked examples, the real
// instances, the fifty alternative optima), the judge's exact run makes no
// exchange in the phases and one per further vertex, and finds the same
// status.
TEST(SolveChecked, SoundResultsAreJudgedWithoutReSolving) {
  const char* worked[] = {
      "max\n1 1\n1 1 <= 4\n1 0 <= 3\n", "max\n0 0\n1 1 <= 4\n",
      "max\n1 1 1\n1 1 1 <= 1\n",       "max\n1 0\n1 1 = 3\n",
      "max\n1 1\n0 0 = 0\n1 0 <= 2\n",  "max\n1 1\n0 0 = 5\n",
      "max\n1 1\n1 1 <= -1\n",          "max\n1 0\n-1 1 <= 1\n",
      "min\n1 1\n1 2 >= 2\n3 1 >= 3\n",
  };
  std::vector<std::pair<std::string, std::optional<TestProblem>>> problems;
  for (const char* text : worked) problems.emplace_back(text, ParseProblem(text));
  for (const char* file :
       {"lp-instances/afiro.txt", "lp-instances/avgas.txt", "lp-instances/blending.txt",
        "lp-instances/chip.txt", "lp-instances/galenet.txt", "fifty-alternatives.txt"}) {
    problems.emplace_back(file,
                          ReadTestProblem(SourcePath(std::string("solver/tests/data/") + file)));
  }
  for (const auto& [name, p] : problems) {
    SCOPED_TRACE(name.substr(0, 60));
    ASSERT_TRUE(p);
    const auto extended = SolveProblem(*p);
    const auto checked = SolveCheckedProblem(p->tableau, p->m, p->n);
    EXPECT_EQ(checked->status, extended->status);
    EXPECT_FALSE(checked->run.exactFromStart);
    // One exchange per further vertex, and one more where the last one
    // reached equals solution 1 and is dropped.
    const long further = std::max(extended->status - 1, 0);
    EXPECT_GE(checked->run.exactExchanges, further);
    EXPECT_LE(checked->run.exactExchanges, further + 1);
    if (!checked->run.exact) {
      EXPECT_TRUE(checked->s == extended->solutions);
    }
  }
}

// On seeded random problems the checked solve's status and optimum are the
// exact ones, those of the exact run from the start; where the judge keeps
// the extended result it is RunSimplex's table bit for bit.
void CompareOnRandomProblems(const RandomProblemShape& shape, std::uint64_t seeds) {
  for (std::uint64_t seed = 1; seed <= seeds; ++seed) {
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    const RandomProblem p = MakeRandomProblem(seed, shape);
    auto plain = std::make_unique<Checked>();
    RunSimplex(p.tableau, p.m, p.n, plain->s, plain->status);
    const auto checked = SolveCheckedProblem(p.tableau, p.m, p.n);
    if (!checked->run.exact) {
      ASSERT_EQ(checked->status, plain->status);
      ASSERT_TRUE(checked->s == plain->s);
    }
    auto fromStart = std::make_unique<Checked>();
    SolveExactly(p.tableau, p.m, p.n, fromStart->s, fromStart->status);
    ASSERT_EQ(checked->status > 0, fromStart->status > 0);
    if (fromStart->status <= 0) {
      EXPECT_EQ(checked->status, fromStart->status);
    } else {
      EXPECT_EQ(checked->s(0, 1), fromStart->s(0, 1));
    }
  }
}

TEST(SolveChecked, RandomProblemsEndAtTheExactOutcome) {
  CompareOnRandomProblems(RandomProblemShape{1, 6, false, 25, 20}, 1000);
  CompareOnRandomProblems(RandomProblemShape{2, 8, true, 20, 20}, 1000);
}

// Counts the exact judge's work: the right-hand sides it solves against a
// basis, and its exact exchanges.
class WorkCounter : public ExchangeObserver {
 public:
  void SolvedBasisSystem(int /*size*/, int rightHandSides) override {
    ++solves;
    columns += rightHandSides;
  }
  void Exchanged(const ExchangeStep& /*step*/) override { ++exchanges; }
  long solves = 0;
  long columns = 0;
  long exchanges = 0;
};

// The judge of a right optimum on a dense 50 x 50 problem of 19-digit
// decimals solves its basis system for the constants, for the objective row
// and for one entering column per replayed exchange: never the whole work
// tableau (51 right-hand sides, and the fifty-fold work), also where the
// texts differ, and its exact result is that of the exact run from the same
// basis on the whole tableau.
TEST(JudgeExactly, ConfirmsALongDigitOptimumWithoutTheWholeTableau) {
  constexpr int kSize = 50;
  auto exact = std::make_unique<ExactTableau>();
  const RandomProblem p = MakeLongDigitProblem(1, LongDigitFamily::kEquations, kSize, *exact);
  auto plain = std::make_unique<Checked>();
  auto record = std::make_unique<SimplexRecord>();
  RunSimplex(p.tableau, kSize, kSize, plain->s, plain->status, *record);
  ASSERT_EQ(plain->status, 1);
  const BasisLabels basis = LabelsOf(record->work, kSize, kSize, record->zeroColumnEquation,
                                     [](Extended label) { return static_cast<int>(label); });
  auto reference = std::make_unique<Checked>();
  ContinueExactly(*exact, kSize, kSize, basis, reference->s, reference->status, nullptr, nullptr,
                  ExactWork::kResidues);

  const auto before = std::make_unique<SolutionTable>();
  const ResultsAgree never = [](SolveStatus, const SolutionTable&, const ExactSolutions&) {
    return false;
  };
  const ResultsAgree same = [](SolveStatus status, const SolutionTable& a,
                               const ExactSolutions& exact) {
    return SameValues(status, a, exact, kSize, kSize);
  };
  for (const ResultsAgree& agree : {never, same}) {
    auto judged = std::make_unique<Checked>();
    judged->s = plain->s;
    judged->status = plain->status;
    WorkCounter work;
    judged->run = JudgeExactly(*exact, kSize, kSize, *record, *before, agree, judged->s,
                               judged->status, &work);
    EXPECT_EQ(work.columns, work.solves);
    EXPECT_LE(work.solves, 2 + record->searchExchangeCount + 1);
    EXPECT_LE(work.exchanges, record->searchExchangeCount + 1);
    ASSERT_EQ(judged->status, reference->status);
    for (int k = 1; k <= reference->status; ++k) {
      for (int i = 0; i <= 2 * kSize; ++i) ASSERT_EQ(judged->s(i, k), reference->s(i, k));
    }
  }
}

TEST(SolveChecked, ARatioBeyondTheSentinelNoLongerReportsUnbounded) {
  // The plain run's ratio test ignores the ratio 1e310 and reports "unbounded";
  // the exact run limits the column by that ratio and finds the optimum.
  const auto p = ParseProblem("max\n1\n1e-300 <= 1e10\n");
  ASSERT_TRUE(p);
  const auto r = SolveCheckedProblem(p->tableau, p->m, p->n);
  EXPECT_TRUE(r->run.exact);
  ASSERT_EQ(r->status, 1);
  // The exact quotient of the two cells' values, rounded once.
  const Extended bound = p->tableau(1, 2) / p->tableau(1, 1);
  EXPECT_EQ(r->s(1, 1), bound);
  EXPECT_EQ(r->s(0, 1), bound);
}

TEST(SolveChecked, ExtendedFaultsStillEndTheSolve) {
  // A subnormal entry in the entering column: the ratio overflows.
  const auto p = ParseProblem("max\n1\n1e-4940 <= 1\n");
  ASSERT_TRUE(p);
  SolutionTable s;
  const SolveResult result = SolveChecked(p->tableau, p->m, p->n, s).result;
  EXPECT_EQ(result.outcome, SolveOutcome::kFloatingPointError);
  EXPECT_EQ(result.fault, "Floating point overflow.");
}

// An equation that is exactly a combination of the others stays redundant,
// as the plain run took it: the replay confirms the plain optimum, and the
// plain result stands. One whose combination is off by 1E-10 is opened again
// for the exact run, which finds the problem infeasible.
TEST(JudgeExactly, AnEquationIsRedundantOnlyWhereItIsExactly) {
  const auto redundant = ParseProblem("max\n1 2\n1 1 = 1\n2 2 = 2\n1 -1 <= 1\n");
  ASSERT_TRUE(redundant);
  auto r = SolveCheckedProblem(redundant->tableau, redundant->m, redundant->n);
  EXPECT_TRUE(r->run.replayed);
  EXPECT_FALSE(r->run.exact);
  ASSERT_EQ(r->status, 1);
  EXPECT_EQ(r->s(0, 1), 2);

  const auto apart = ParseProblem("max\n1 2\n1 1 = 1\n2 2 = 2.0000000002\n1 -1 <= 1\n");
  ASSERT_TRUE(apart);
  r = SolveCheckedProblem(apart->tableau, apart->m, apart->n);
  EXPECT_TRUE(r->run.exact);
  EXPECT_EQ(r->status, kNoFeasibleSolution);
}

// The judge takes a claim of no feasible solution only where the typed
// problem proves it, and a stop row whose constant is exactly 0 proves
// nothing: not at an equation the equality phase stopped on, nor at a row the
// feasibility phase stopped on. Each extended run is misled on purpose by a
// right-hand side off by 0.5, as rounding could mislead it on a harder
// problem; at its stop row's basis the typed problem has the constant 0.
TEST(JudgeExactly, AStopRowWithAZeroConstantProvesNothing) {
  struct Case {
    const char* typed;
    const char* misled;
    Extended optimum;
  };
  const Case cases[] = {
      {"max\n1\n1 = 1\n1 = 1\n", "max\n1\n1 = 1\n1 = 1.5\n", 1},
      {"max\n1 1\n-1 0 >= 0\n0 1 <= 3\n", "max\n1 1\n-1 0 >= 0.5\n0 1 <= 3\n", 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    const auto typed = ParseProblem(c.typed);
    const auto misled = ParseProblem(c.misled);
    ASSERT_TRUE(typed && misled);
    const int m = typed->m;
    const int n = typed->n;
    auto exact = std::make_unique<ExactTableau>();
    ExactFromExtended(typed->tableau, m, n, *exact);
    auto before = std::make_unique<SolutionTable>();
    auto r = std::make_unique<Checked>();
    auto record = std::make_unique<SimplexRecord>();
    RunSimplex(misled->tableau, m, n, r->s, r->status, *record);
    ASSERT_EQ(r->status, kNoFeasibleSolution);
    ASSERT_NE(record->stopRow, 0);
    const auto same = [m, n](SolveStatus status, const SolutionTable& a,
                             const ExactSolutions& exact) {
      return SameValues(status, a, exact, m, n);
    };
    r->run = JudgeExactly(*exact, m, n, *record, *before, same, r->s, r->status);
    EXPECT_TRUE(r->run.exact);
    ASSERT_EQ(r->status, 1);
    EXPECT_EQ(r->s(0, 1), c.optimum);
  }
}

}  // namespace
}  // namespace pivora::testing
