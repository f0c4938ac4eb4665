// The exchange step: order of its steps, zero-snapping, labels; and the
// skipping of zero rows and columns against a literal step-by-step version.
#include "solver/pivot.h"

#include <gtest/gtest.h>

#include <random>

#include "solver/arithmetic.h"
#include "solver/testing/random_problem.h"

namespace pivora {
namespace {

// Every entry of rows 1..m+1, columns 1..n+1 in the order the method states,
// nothing skipped.
void LiteralPivot(WorkTableau& w, int m, int n, int r, int s) {
  const Extended p = w(r, s);
  for (int j = 1; j <= n + 1; ++j) w(r, j) = (-w(r, j)) / p;
  for (int i = 1; i <= m + 1; ++i) {
    if (i == r) continue;
    for (int j = 1; j <= n + 1; ++j) {
      if (j == s) continue;
      const Extended old = w(i, j);
      Extended fresh = w(i, s) * w(r, j) + old;
      if (std::fabs(old) * kSnapTolerance > std::fabs(fresh)) fresh = 0;
      w(i, j) = fresh;
    }
  }
  for (int i = 1; i <= m + 1; ++i) w(i, s) = w(i, s) / p;
  w(r, s) = 1 / p;
  std::swap(w(r, n + 2), w(m + 2, s));
}

// Equal values, so a zero may differ in sign.
bool SameValues(const WorkTableau& a, const WorkTableau& b) {
  for (int i = 1; i <= WorkTableau::kRows; ++i) {
    for (int j = 1; j <= WorkTableau::kCols; ++j) {
      if (!(a(i, j) == b(i, j))) return false;
    }
  }
  return true;
}

WorkTableau Labelled(int m, int n) {
  WorkTableau w;
  for (int i = 1; i <= m; ++i) w(i, n + 2) = -i;
  for (int j = 1; j <= n; ++j) w(m + 2, j) = j;
  return w;
}

TEST(Pivot, ClosedFormOfEveryKindOfEntryAndTheLabelSwap) {
  WorkTableau w = Labelled(2, 2);
  // row 1: -1 3 | 5 ; row 2: 2 4 | 6 ; objective: 1 -2 | 0
  const Extended cells[3][3] = {{-1, 3, 5}, {2, 4, 6}, {1, -2, 0}};
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 3; ++j) w(i, j) = cells[i - 1][j - 1];
  Pivot<ExtendedArithmetic>(w, 2, 2, 1, 1);
  EXPECT_EQ(w(1, 1), -1.0L);  // 1 / p
  EXPECT_EQ(w(1, 2), 3.0L);   // -3 / -1
  EXPECT_EQ(w(1, 3), 5.0L);
  EXPECT_EQ(w(2, 1), -2.0L);  // 2 / -1
  EXPECT_EQ(w(2, 2), 10.0L);  // 2 * 3 + 4
  EXPECT_EQ(w(2, 3), 16.0L);  // 2 * 5 + 6
  EXPECT_EQ(w(3, 1), -1.0L);
  EXPECT_EQ(w(3, 2), 1.0L);  // 1 * 3 - 2
  EXPECT_EQ(w(3, 3), 5.0L);
  EXPECT_EQ(w(1, 4), 1.0L);   // row label: former column label
  EXPECT_EQ(w(4, 1), -1.0L);  // column label: former row label
  EXPECT_EQ(w(2, 4), -2.0L);
  EXPECT_EQ(w(4, 2), 2.0L);
}

TEST(Pivot, SnapsOnlyRelativeToTheOldValueAndNeverThePivotRowOrColumn) {
  WorkTableau w = Labelled(2, 3);
  w(1, 1) = 1;       // pivot element
  w(1, 2) = 1e-12L;  // pivot row: -1e-12 after the step
  w(1, 3) = 1e-12L;
  w(2, 1) = 1e-20L;  // pivot column: stays tiny
  w(2, 2) = 0;       // 0 + 1 * -1e-12: was 0, so kept
  w(3, 1) = 1;
  w(3, 2) = 1e-12L + 1e-24L;  // 1 * -1e-12 + that: ~1e-24, far below 1e-9 of it
  w(3, 3) = 1;                // 1 - 1e-12: no snap
  // Row 2 has pivot-column entry 1e-20: its column 2 becomes 1e-20 * -1e-12.
  Pivot<ExtendedArithmetic>(w, 2, 3, 1, 1);
  EXPECT_EQ(w(1, 2), -1e-12L);
  EXPECT_EQ(w(2, 1), 1e-20L);
  EXPECT_EQ(w(2, 2), 1e-20L * -1e-12L);
  EXPECT_EQ(w(3, 2), 0.0L);
  EXPECT_FALSE(std::signbit(w(3, 2)));
  EXPECT_EQ(w(3, 3), 1.0L - 1e-12L);
}

TEST(Pivot, EntryOfOneTurnedIntoATrillionthIsSnappedButZeroIsNot) {
  WorkTableau w = Labelled(2, 2);
  w(1, 1) = 1;
  w(1, 2) = 1 - 1e-12L;  // pivot row entry becomes -(1 - 1e-12)
  w(2, 1) = 1;
  w(2, 2) = 1;        // 1 - (1 - 1e-12) = 1e-12 -> snapped
  w(3, 1) = -1e-12L;  // objective row: -1e-12 * -(1 - 1e-12) + 0
  w(3, 2) = 0;        // becomes about 1e-24 from 0: kept
  Pivot<ExtendedArithmetic>(w, 2, 2, 1, 1);
  EXPECT_EQ(w(2, 2), 0.0L);
  EXPECT_EQ(w(3, 2), -1e-12L * -(1 - 1e-12L));
}

TEST(Pivot, SnapBoundaryIsStrict) {
  EXPECT_EQ(ExtendedArithmetic::Snap(1.0L, kSnapTolerance), kSnapTolerance);
  EXPECT_EQ(ExtendedArithmetic::Snap(1.0L, -kSnapTolerance), -kSnapTolerance);
  EXPECT_EQ(ExtendedArithmetic::Snap(1.0L, std::nextafter(kSnapTolerance, 0.0L)), 0.0L);
  EXPECT_EQ(ExtendedArithmetic::Snap(0.0L, 1e-4000L), 1e-4000L);
}

TEST(Pivot, ZeroRowsStayAndDegenerateStepKeepsTheConstants) {
  WorkTableau w = Labelled(3, 2);
  const Extended cells[4][3] = {{-2, 1, 0}, {0, 5, 7}, {3, -1, 4}, {1, 1, 9}};
  for (int i = 1; i <= 4; ++i)
    for (int j = 1; j <= 3; ++j) w(i, j) = cells[i - 1][j - 1];
  Pivot<ExtendedArithmetic>(w, 3, 2, 1, 1);
  EXPECT_EQ(w(2, 1), 0.0L);
  EXPECT_EQ(w(2, 2), 5.0L);
  EXPECT_EQ(w(2, 3), 7.0L);
  EXPECT_EQ(w(3, 3), 4.0L);
  EXPECT_EQ(w(4, 3), 9.0L);  // objective constant unchanged: W(r, n+1) was 0
}

TEST(Pivot, PivotElementMinusOne) {
  WorkTableau w = Labelled(1, 2);
  w(1, 1) = -1;
  w(1, 2) = 3;
  Pivot<ExtendedArithmetic>(w, 1, 2, 1, 1);
  EXPECT_EQ(w(1, 1), -1.0L);
  EXPECT_EQ(w(1, 2), 3.0L);
}

TEST(Pivot, TwiceInARowGivesBackTheTableau) {
  auto p = testing::MakeDenseFeasibleProblem(7, 6);
  WorkTableau w = Labelled(6, 6);
  for (int i = 1; i <= 7; ++i)
    for (int j = 1; j <= 7; ++j) w(i, j) = p.tableau(i, j);
  const WorkTableau before = w;
  Pivot<ExtendedArithmetic>(w, 6, 6, 3, 4);
  Pivot<ExtendedArithmetic>(w, 6, 6, 3, 4);
  for (int i = 1; i <= 8; ++i) {
    for (int j = 1; j <= 8; ++j) {
      EXPECT_NEAR(static_cast<double>(w(i, j)), static_cast<double>(before(i, j)),
                  1e-15 * (1 + std::fabs(static_cast<double>(before(i, j)))));
    }
  }
}

// Rows are taken two at a time and zero rows and columns are left out; the
// values must be those of the literal order on dense and sparse tables alike.
TEST(Pivot, MatchesTheLiteralStepOnRandomTables) {
  std::mt19937_64 rng(2024);
  for (int trial = 0; trial < 400; ++trial) {
    const int m = testing::UniformInt(rng, 1, 50);
    const int n = testing::UniformInt(rng, 1, 50);
    const int zeros = testing::UniformInt(rng, 0, 90);
    WorkTableau w = Labelled(m, n);
    for (int i = 1; i <= m + 1; ++i) {
      for (int j = 1; j <= n + 1; ++j) {
        if (testing::Chance(rng, zeros)) continue;
        w(i, j) = testing::ScaledDecimal(testing::UniformInt(rng, -999, 999),
                                         testing::UniformInt(rng, -3, 1));
      }
    }
    const int r = testing::UniformInt(rng, 1, m);
    const int s = testing::UniformInt(rng, 1, n);
    if (w(r, s) == 0) w(r, s) = 0.5L;
    WorkTableau literal = w;
    Pivot<ExtendedArithmetic>(w, m, n, r, s);
    LiteralPivot(literal, m, n, r, s);
    ASSERT_TRUE(SameValues(w, literal)) << "trial " << trial;
  }
}

}  // namespace
}  // namespace pivora
