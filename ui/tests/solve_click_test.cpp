#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/handlers.h"
#include "ui/plain_window.h"

namespace pivora {
namespace {

using Lines = std::vector<std::string>;

void FillRow(CellStore& grid, int row, const Lines& texts) {
  for (std::size_t k = 0; k < texts.size(); ++k)
    grid.SetText(static_cast<int>(k) + 1, row, texts[k]);
}

// The window after start-up with the worked example typed in.
struct WorkedExample : ::testing::Test {
  WorkedExample() {
    FormActivate(window, &window);
    FillRow(window.NB(), 1, {"1", "1", "<=", "4"});
    FillRow(window.NB(), 2, {"1", "3", "<=", "6"});
    FillRow(window.ZF(), 1, {"3", "2"});
    window.SolAppendLine("an old report");
  }
  SolveClickOutcome Solve() { return SolveClick(window, &window); }
  PlainWindow window;
};

TEST_F(WorkedExample, SixLinesWithDetails) {
  const SolveClickOutcome outcome = Solve();
  EXPECT_EQ(outcome.kind, SolveClickOutcome::Kind::kReport);
  EXPECT_EQ(window.SolLines(), (Lines{"L\xD6SUNG:", "", "Optimum: Zmax = 12", "",
                                      "ZF:   x1 = 4   x2 = 0 [\xB1"
                                      "1]",
                                      "NB:  y1 = 0 [\xB1"
                                      "3]   y2 = 2"}));
}

TEST_F(WorkedExample, FiveLinesWithoutDetails) {
  window.SetDetailsChecked(false);
  Solve();
  EXPECT_EQ(window.SolLines(),
            (Lines{"L\xD6SUNG:", "", "Optimum: Zmax = 12", "", "ZF:   x1 = 4   x2 = 0"}));
}

TEST_F(WorkedExample, MinimumGivesZmin) {
  window.SetMaximumChecked(false);
  Solve();
  EXPECT_EQ(window.SolLines(), (Lines{"L\xD6SUNG:", "", "Optimum: Zmin = 0", "",
                                      "ZF:   x1 = 0 [\xB1"
                                      "3]   x2 = 0 [\xB1"
                                      "2]",
                                      "NB:  y1 = 4   y2 = 6"}));
}

TEST_F(WorkedExample, TwoOptimaGiveElevenLines) {
  FillRow(window.NB(), 2, {"1", "0", "<=", "3"});
  FillRow(window.ZF(), 1, {"1", "1"});
  const SolveResult result = Solve().result;
  EXPECT_EQ(result.outcome, SolveOutcome::kOptimal);
  EXPECT_EQ(result.solutions, 2);
  EXPECT_EQ(window.SolLines(), (Lines{"2  L\xD6SUNGEN:", "", "Optimum: Zmax = 4", "",
                                      "1. L\xF6sung:", "ZF:   x1 = 3   x2 = 1",
                                      "NB:  y1 = 0 [\xB1"
                                      "1]   y2 = 0",
                                      "", "2. L\xF6sung:", "ZF:   x1 = 0   x2 = 4",
                                      "NB:  y1 = 0 [\xB1"
                                      "1]   y2 = 3"}));
}

TEST_F(WorkedExample, ZeroObjectiveGivesThreeNumberedSolutions) {
  SpinNConsTo(window, 1);
  FillRow(window.ZF(), 1, {"0", "0"});
  Solve();
  const Lines& memo = window.SolLines();
  ASSERT_EQ(memo.size(), 15u);
  EXPECT_EQ(memo[0], "3  L\xD6SUNGEN:");
  EXPECT_EQ(memo[4], "1. L\xF6sung:");
  EXPECT_EQ(memo[8], "2. L\xF6sung:");
  EXPECT_EQ(memo[12], "3. L\xF6sung:");
  EXPECT_EQ(memo[13], "ZF:   x1 = 0   x2 = 4");
  EXPECT_EQ(memo[14], "NB:  y1 = 0");
}

TEST_F(WorkedExample, NoFeasibleSolutionAndUnboundedObjective) {
  SpinNConsTo(window, 1);
  FillRow(window.NB(), 1, {"1", "1", "<=", "-1"});
  Solve();
  EXPECT_EQ(window.SolLines(), Lines{"KEINE L\xD6SUNG!"});

  FillRow(window.NB(), 1, {"-1", "1", "<=", "1"});
  FillRow(window.ZF(), 1, {"1", "0"});
  Solve();
  EXPECT_EQ(window.SolLines(), Lines{"L\xD6SUNG UNENDLICH!"});
}

// Beale's problem makes the extended run cycle; the least-index rule ends the
// cycle at the right optimum, which the exact judge confirms: the report is
// the extended run's, not an exact re-solve's.
TEST_F(WorkedExample, ARightResultAfterACycleIsReportedAsItIs) {
  SpinNVarsTo(window, 4);
  SpinNConsTo(window, 3);
  FillRow(window.NB(), 1, {"0.25", "-60", "-0.04", "9", "<=", "0"});
  FillRow(window.NB(), 2, {"0.5", "-90", "-0.02", "3", "<=", "0"});
  FillRow(window.NB(), 3, {"0", "0", "1", "0", "<=", "1"});
  FillRow(window.ZF(), 1, {"-0.75", "150", "-0.02", "6"});
  window.SetMaximumChecked(false);
  window.SetDetailsChecked(false);
  EXPECT_FALSE(Solve().exact);
  EXPECT_EQ(window.SolLines(), (Lines{"L\xD6SUNG:", "", "Optimum: Zmin = -0.05", "",
                                      "ZF:   x1 = 0.04   x2 = 0   x3 = 1   x4 = 0"}));
}

TEST_F(WorkedExample, ARightRunIsNotMarkedExact) { EXPECT_FALSE(Solve().exact); }

TEST_F(WorkedExample, InputErrorMarksTheCellAndStopsAtItAgain) {
  SpinNConsTo(window, 3);
  FillRow(window.NB(), 1, {"", "1", "", ""});
  FillRow(window.NB(), 2, {"1,5", "", "", "7"});
  FillRow(window.ZF(), 1, {"", ""});

  SolveClickOutcome outcome = Solve();
  EXPECT_EQ(outcome.kind, SolveClickOutcome::Kind::kInputError);
  EXPECT_FALSE(outcome.inObjectiveGrid);
  EXPECT_EQ(outcome.column, 1);
  EXPECT_EQ(outcome.row, 2);
  EXPECT_EQ(outcome.faultyText, "1,5");
  EXPECT_EQ(window.SolLines(), Lines{"EINGABEFEHLER!"});
  EXPECT_EQ(window.NB().Text(1, 2), "  FEHLER!");
  EXPECT_EQ(window.NB().Text(1, 1), "0");  // visited before the fault: defaulted
  EXPECT_EQ(window.NB().Text(3, 1), "<=");
  EXPECT_EQ(window.NB().Text(4, 1), "0");
  EXPECT_EQ(window.NB().Text(2, 2), "");  // after the fault: left alone
  EXPECT_EQ(window.NB().Text(3, 2), "");
  EXPECT_EQ(window.NB().Text(4, 2), "7");
  EXPECT_EQ(window.NB().Text(1, 3), "");
  EXPECT_EQ(window.ZF().Text(1, 1), "");

  outcome = Solve();
  EXPECT_EQ(outcome.kind, SolveClickOutcome::Kind::kInputError);
  EXPECT_EQ(outcome.column, 1);
  EXPECT_EQ(outcome.row, 2);
  EXPECT_EQ(outcome.faultyText, "  FEHLER!");
  EXPECT_EQ(window.SolLines(), Lines{"EINGABEFEHLER!"});
}

TEST_F(WorkedExample, InputErrorInTheObjectiveGrid) {
  FillRow(window.ZF(), 1, {"3", "=<"});
  const SolveClickOutcome outcome = Solve();
  EXPECT_TRUE(outcome.inObjectiveGrid);
  EXPECT_EQ(outcome.column, 2);
  EXPECT_EQ(outcome.row, 1);
  EXPECT_EQ(window.ZF().Text(2, 1), "  FEHLER!");
}

TEST_F(WorkedExample, OverflowLeavesTheMemoEmptyAndTheDefaultsWritten) {
  SpinNConsTo(window, 1);
  FillRow(window.NB(), 1, {"1e-4000", "", "<=", "1e4000"});
  FillRow(window.ZF(), 1, {"3", "0"});  // the optimum 3E8000 lies beyond the range
  const SolveClickOutcome outcome = Solve();
  EXPECT_EQ(outcome.kind, SolveClickOutcome::Kind::kFloatingPointError);
  EXPECT_EQ(outcome.result.fault, "Floating point overflow.");
  EXPECT_TRUE(window.SolLines().empty());
  EXPECT_EQ(window.NB().Text(2, 1), "0");
}

}  // namespace
}  // namespace pivora
