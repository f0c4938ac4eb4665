#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "solve/report.h"
#include "solve/report_agreement.h"
#include "solver/checked_solve.h"
#include "solver/exact_solve.h"
#include "solver/testing/random_problem.h"

namespace pivora::testing {
namespace {

struct Solved {
  SolutionTable s;
  SolveStatus status = kNoFeasibleSolution;
  ExactSolutions values;
};

// Seeded random problems of typed decimals, reported at a random digit
// count: the checked solve prints the exact status and the exact optimum at
// those digits (the exact run from the start is the independent witness,
// since the optimum does not depend on the path), and where it keeps the
// extended result that prints exactly as the exact one.
TEST(CheckedReport, PrintsTheExactOptimumAtTheChosenDigits) {
  std::mt19937_64 digits(5);
  int exactRuns = 0;
  for (std::uint64_t seed = 1; seed <= 400; ++seed) {
    SCOPED_TRACE(seed);
    const RandomProblem p = MakeRandomProblem(seed, RandomProblemShape{2, 9, true, 20, 25});
    auto problem = std::make_unique<ExactTableau>();
    TypedDecimals(p, *problem);
    ReportSettings settings;
    settings.precision = UniformInt(digits, 3, 15);
    settings.details = seed % 2 == 0;

    auto checked = std::make_unique<Solved>();
    const CheckedSolve run = SolveChecked(p.tableau, *problem, p.m, p.n,
                                          SameReport(p.tableau, p.m, p.n, settings), checked->s);
    checked->status = run.result.Status();
    exactRuns += run.exact;
    auto witness = std::make_unique<Solved>();
    ContinueExactly(*problem, p.m, p.n, StartingBasis(*problem, p.m, p.n), witness->s,
                    witness->status, nullptr, &witness->values);

    ASSERT_EQ(checked->status > 0, witness->status > 0);
    const auto printed =
        WriteReport(p.tableau, p.m, p.n, checked->s, checked->status, settings, run.values.get());
    const auto exact =
        WriteReport(p.tableau, p.m, p.n, witness->s, witness->status, settings, &witness->values);
    if (witness->status <= 0) {
      EXPECT_EQ(printed.lines, exact.lines);
    } else {
      EXPECT_EQ(printed.lines[3], exact.lines[3]);  // "Optimum: Z... = ..."
    }
  }
  // The family is built so that the plain run is wrong at the printed digits
  // on some problems.
  EXPECT_GT(exactRuns, 0);
}

}  // namespace
}  // namespace pivora::testing
