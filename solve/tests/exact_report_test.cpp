#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

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

// The parts of the solve that were entered.
class PartsEntered final : public ExchangeObserver {
 public:
  void Entered(WorkPhase phase) override { parts.insert(phase); }
  std::set<WorkPhase> parts;
};

// k * 10^e exactly.
Rational TimesTenTo(int k, int e) {
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(e < 0 ? -e : e));
  Rational q = e < 0 ? Rational(k, power) : Rational(k * power);
  q.canonicalize();
  return q;
}

// Max 2 x1 + 3 x2, 3 x1 + x2 <= 7, x1 + 4 x2 <= 5 (x1 = 23/11, x2 = 8/11,
// the shadow prices 5/11 and 7/11) with x1 scaled by 10^2400, x2 by
// 10^-2300, the rows by 10^-1700 and 10^2100: every value of the report is
// known by construction, its digits those of the small problem, its
// exponent shifted (a bracket, the size of an objective-row entry, the other
// way). The guided run settles it, and the replay builds the optimum far
// beyond the extended range.
TEST(CheckedReport, PrintsAScaledCopyFarBeyondTheExtendedRangeToEveryDigit) {
  constexpr int m = 2;
  constexpr int n = 2;
  auto problem = std::make_unique<ExactTableau>();
  problem->Fill(Rational(0));
  const int cells[m + 1][n + 2][2] = {
      {{3, -1700 - 2400}, {1, -1700 + 2300}, {7, -1700}, {-1, 0}},  // "<="
      {{1, 2100 - 2400}, {4, 2100 + 2300}, {5, 2100}, {-1, 0}},
      {{2, -2400}, {3, 2300}, {0, 0}, {1, 0}},  // Max
  };
  Tableau tableau;
  tableau.Fill(0.0L);
  for (int i = 1; i <= m + 1; ++i) {
    for (int j = 1; j <= n + 2; ++j) {
      const auto& [k, e] = cells[i - 1][j - 1];
      (*problem)(i, j) = TimesTenTo(k, e);
      tableau(i, j) = NearestExtended((*problem)(i, j));
    }
  }

  auto s = std::make_unique<SolutionTable>();
  SolveStatus status = kNoFeasibleSolution;
  ExactSolutions values;
  PartsEntered parts;
  ContinueExactly(*problem, m, n, StartingBasis(*problem, m, n), *s, status, &parts, &values);
  ASSERT_EQ(status, 1);
  EXPECT_TRUE(parts.parts.contains(WorkPhase::kReplay));
  EXPECT_FALSE(parts.parts.contains(WorkPhase::kExactRun));
  ReportSettings settings;
  settings.precision = 15;
  const std::vector<std::string> expected = {
      "L\xD6SUNG:",
      "",
      "Optimum: Zmax = 6.36363636363636",
      "",
      "ZF:   x1 = 2.09090909090909E2400   x2 = 7.27272727272727E-2301",
      "NB:  y1 = 0 [\xB1"
      "4.54545454545455E1699]   y2 = 0 [\xB1"
      "6.36363636363636E-2101]",
  };
  EXPECT_EQ(WriteReport(tableau, m, n, *s, status, settings, &values).lines, expected);
}

}  // namespace
}  // namespace pivora::testing
