// The tie-breaks of the least-index rules, which decide where a cycling
// phase goes next.
#include "solver/least_index.h"

#include <gtest/gtest.h>

#include "solver/arithmetic.h"

namespace pivora {
namespace {

// A run of two rows and one column over `w`, as the phases see it.
struct TwoRows {
  WorkTableau w;
  SolutionTable solutions;
  SolveStatus status = kNoFeasibleSolution;
  SimplexRecord record;
  SimplexRun<ExtendedArithmetic> run{w, 2, 1, 1, solutions, status, record};

  // Row i: entry `entry` in column 1, constant `constant`, basic variable y[k].
  void Row(int i, Extended entry, Extended constant, int k) {
    w(i, 1) = entry;
    w(i, 2) = constant;
    w(i, 3) = -k;
  }
  TwoRows() { w(4, 1) = 1; }
};

TEST(LeastIndexRules, RatioTiesGoToTheBasicVariableThatComesFirst) {
  TwoRows t;
  t.Row(1, -1, 1, 2);                      // y[2]
  t.Row(2, -2, 2, 1);                      // y[1]: the same ratio 1
  EXPECT_EQ(ChooseRatioRow(t.run, 1), 1);  // the plain rule keeps the first row
  EXPECT_EQ(ChooseLeastIndexRatioRow(t.run, 1), 2);
  t.Row(2, -1, 2, 1);  // ratio 2: row 1 limits
  EXPECT_EQ(ChooseLeastIndexRatioRow(t.run, 1), 1);
}

TEST(LeastIndexRules, TheNegativeRowWinsItsTieWithALimitingRow) {
  TwoRows t;
  t.Row(1, 1, -1, 1);  // negative row r = 1: reaches 0 at x = 1
  t.Row(2, -1, 1, 2);  // non-negative row: reaches 0 at x = 1 too
  EXPECT_EQ(ChooseFeasibilityRow(t.run, 1, 1), 1);
  t.Row(2, -2, 1, 2);  // reaches 0 at x = 1/2: it limits the step
  EXPECT_EQ(ChooseFeasibilityRow(t.run, 1, 1), 2);
}

}  // namespace
}  // namespace pivora
