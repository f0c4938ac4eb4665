// The solve command's report against the exact answer: every printed number
// the exact value rounded once at the chosen digits, a 0 only for a 0, and a
// magnitude beyond the extended range on the way no reason to stop.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/handlers.h"
#include "ui/plain_window.h"

namespace pivora {
namespace {

using Lines = std::vector<std::string>;

// The memo after solving the typed rows (coefficients, relation, right-hand
// side) and objective at `digits`, with details.
Lines Solve(const std::vector<Lines>& rows, const Lines& objective, bool maximum, int digits,
            bool* exact = nullptr) {
  PlainWindow window;
  FormActivate(window, &window);
  SpinNVarsTo(window, static_cast<int>(objective.size()));
  SpinNConsTo(window, static_cast<int>(rows.size()));
  for (std::size_t i = 0; i < rows.size(); ++i) {
    for (std::size_t j = 0; j < rows[i].size(); ++j)
      window.NB().SetText(static_cast<int>(j) + 1, static_cast<int>(i) + 1, rows[i][j]);
  }
  for (std::size_t j = 0; j < objective.size(); ++j)
    window.ZF().SetText(static_cast<int>(j) + 1, 1, objective[j]);
  window.SetMaximumChecked(maximum);
  window.SetDigits(digits);
  const SolveClickOutcome outcome = SolveClick(window, &window);
  if (exact) *exact = outcome.exact;
  if (outcome.kind == SolveClickOutcome::Kind::kFloatingPointError) return {outcome.result.fault};
  return window.SolLines();
}

// max x1 subject to x1 <= b: the optimum and x1 are b itself.
TEST(ExactDigits, AValueNearAHalfUnitIsRoundedOnce) {
  const struct {
    const char* bound;
    int digits;
    const char* text;
  } rows[] = {
      // The extended value of the bound lies on the half unit or above it.
      {"1.2349999999999999996", 3, "1.23"},
      {"1.2345678904999999996", 10, "1.23456789"},
      {"1.23456789012344499996", 15, "1.23456789012344"},
      // A true tie rounds up, as the plain run's text does.
      {"0.3125", 3, "0.313"},
  };
  for (const auto& row : rows) {
    const std::string text = row.text;
    EXPECT_EQ(Solve({{"1", "<=", row.bound}}, {"1"}, true, row.digits),
              (Lines{"L\xD6SUNG:", "", "Optimum: Zmax = " + text, "", "ZF:   x1 = " + text,
                     "NB:  y1 = 0 [\xB1"
                     "1]"}))
        << row.bound;
  }
}

TEST(ExactDigits, OnlyAZeroPrintsAsZero) {
  // x1 = 4E-10, below the threshold that hides the extended run's noise.
  EXPECT_EQ(Solve({{"1", "<=", "4E-10"}}, {"1"}, true, 15)[4], "ZF:   x1 = 4E-10");
  // The slack's objective-row entry is -3E-10: a negative entry, so bracketed.
  EXPECT_EQ(Solve({{"1", "<=", "1"}}, {"3E-10"}, true, 10)[5],
            "NB:  y1 = 0 [\xB1"
            "3E-10]");
  // y3 = 0.3 - 0.1 - 0.2 is 0 exactly, about 1E-20 in the extended run.
  EXPECT_EQ(Solve({{"1", "0", "<=", "0.1"}, {"0", "1", "<=", "0.2"}, {"1", "1", "<=", "0.3"}},
                  {"1", "1"}, true, 15)[5],
            "NB:  y1 = 0 [\xB1"
            "1]   y2 = 0 [\xB1"
            "1]   y3 = 0");
}

// The extended run overflows on these (1E3000 times 1E3000); the exact run
// decides, checked by hand.
TEST(ExactDigits, AnOverflowOnTheWayIsNotTheAnswer) {
  // x1 + 1E3000 x2 <= 1 and 1E3000 x1 + x2 <= 1E3000 meet at (1, 0); x2's
  // reduced cost is 1E3000 - 1.
  bool exact = false;
  EXPECT_EQ(Solve({{"1", "1E3000", "<=", "1"}, {"1E3000", "1", "<=", "1E3000"}}, {"1", "1"}, true,
                  10, &exact),
            (Lines{"L\xD6SUNG:", "", "Optimum: Zmax = 1", "",
                   "ZF:   x1 = 1   x2 = 0 [\xB1"
                   "1E3000]",
                   "NB:  y1 = 0 [\xB1"
                   "1]   y2 = 0"}));
  EXPECT_TRUE(exact);
  // The two equations hold only at (1, 0), where x1 + x2 = 1 < 2.
  EXPECT_EQ(
      Solve({{"1", "1E3000", "=", "1"}, {"1E3000", "1", "=", "1E3000"}, {"1", "1", ">=", "2"}},
            {"1", "1"}, true, 10),
      Lines{"KEINE L\xD6SUNG!"});
  // x3 grows without bound at x1 = x2 = 0.
  EXPECT_EQ(Solve({{"1", "1E3000", "-1", "<=", "1"}, {"1E3000", "1", "0", "<=", "1E3000"}},
                  {"1", "1", "1"}, true, 10),
            Lines{"L\xD6SUNG UNENDLICH!"});
}

TEST(ExactDigits, ValuesBeyondTheExtendedRangeArePrintedAsTheyAre) {
  // 5E-3390 / 1E3400 underflows in the extended run, to 0.
  EXPECT_EQ(Solve({{"1E3400", "<=", "5E-3390"}}, {"1"}, true, 10)[2], "Optimum: Zmax = 5E-6790");
  // x2 >= 1E4900 / 1E-4900 at an optimum of 1.
  EXPECT_EQ(
      Solve({{"1", "0", "<=", "1"}, {"0", "1E-4900", ">=", "1E4900"}}, {"1", "0"}, true, 10)[4],
      "ZF:   x1 = 1   x2 = 1E9800");
}

TEST(ExactDigits, AnOptimumBeyondTheRangeStillEndsTheSolve) {
  EXPECT_EQ(Solve({{"1E-4000", "<=", "1E4000"}}, {"3"}, true, 10),
            std::vector<std::string>{"Floating point overflow."});
}

}  // namespace
}  // namespace pivora
