#include "solver/fraction_free.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>
#include <type_traits>
#include <utility>

#include "solver/exchange_method.h"
#include "solver/rational_arithmetic.h"
#include "solver/testing/random_problem.h"

namespace pivora {
namespace {

Extended RandomExtended(std::mt19937_64& rng) {
  const int kind = static_cast<int>(rng() % 4);
  const Extended sign = rng() % 2 == 0 ? 1.0L : -1.0L;
  switch (kind) {
    case 0:
      return sign * static_cast<Extended>(rng() % 100);
    case 1:
      return sign * static_cast<Extended>(rng() % 1000) / 100.0L;
    case 2:
      return sign *
             std::ldexp(static_cast<Extended>(rng() >> 11), static_cast<int>(rng() % 200) - 100);
    default:
      return sign * std::ldexp(1.0L + static_cast<Extended>(rng() % 7),
                               static_cast<int>(rng() % 32000) - 16000);
  }
}

// A product refers to its operands until it is used, so it cannot be kept:
// it is neither copied nor moved, a named one does not become a value, and
// with a temporary operand it is a value at once.
static_assert(!std::is_copy_constructible_v<FractionFreeProduct>);
static_assert(!std::is_move_constructible_v<FractionFreeProduct>);
static_assert(!std::is_convertible_v<FractionFreeProduct&, FractionFree>);
static_assert(
    std::is_same_v<decltype(FractionFree(1) * std::declval<const FractionFree&>()), FractionFree>);
static_assert(
    std::is_same_v<decltype(std::declval<const FractionFree&>() * FractionFree(1)), FractionFree>);

TEST(FractionFree, ArithmeticAgreesWithPlainRationals) {
  std::mt19937_64 rng(61);
  for (int k = 0; k < 3000; ++k) {
    const FractionFree a(RandomExtended(rng));
    const FractionFree b(RandomExtended(rng));
    const FractionFree c(RandomExtended(rng));
    const Rational qa = a.ToRational();
    const Rational qb = b.ToRational();
    const Rational qc = c.ToRational();
    ASSERT_EQ(FractionFree(a * b).ToRational(), qa * qb);
    ASSERT_EQ((FractionFree(a) * FractionFree(b)).ToRational(), qa * qb);
    ASSERT_EQ((a * b + c).ToRational(), qa * qb + qc);
    ASSERT_EQ(Compare(a, b), qa < qb ? -1 : qa > qb ? 1 : 0);
    ASSERT_EQ(a == -a, qa == 0);
    ASSERT_EQ(Abs(a).ToRational(), abs(qa));
    if (qb == 0) continue;
    const FractionFree quotient = a / b;
    ASSERT_EQ(quotient.ToRational(), qa / qb);
    // Quotients carry shared denominators into the next operations.
    if (qc == 0) continue;
    const FractionFree q2 = c / b;
    ASSERT_EQ((quotient * q2 + a).ToRational(), (qa / qb) * (qc / qb) + qa);
    ASSERT_EQ(Compare(quotient, q2), qa / qb < qc / qb ? -1 : qa / qb > qc / qb ? 1 : 0);
    if (qa != 0) {
      ASSERT_EQ((FractionFree(1) / quotient).ToRational(), qb / qa);
    }
  }
}

TEST(FractionFree, LabelsAndSmallIntegersStayExact) {
  EXPECT_EQ(FractionFree(-37).ToInt(), -37);
  EXPECT_EQ(FractionFree(48).ToInt(), 48);
  EXPECT_TRUE(FractionFree(0) == 0);
  EXPECT_TRUE(FractionFree(-0.0L) == 0);
  EXPECT_TRUE(FractionFree(0.5L) > 0);
  EXPECT_TRUE(FractionFree(std::numeric_limits<Extended>::denorm_min()) > 0);
  EXPECT_TRUE(FractionFree(-std::numeric_limits<Extended>::max()) < 0);
}

// The same templates on plain rationals and on fraction-free values must take
// the same path and end in the same exact tables.
TEST(FractionFree, SolvesExactlyAsPlainRationalsDo) {
  const testing::RandomProblemShape shapes[] = {{2, 9, true, 20, 20}, {1, 6, false, 25, 30}};
  int optimal = 0;
  for (const auto& shape : shapes) {
    for (std::uint64_t seed = 1; seed <= 150; ++seed) {
      SCOPED_TRACE(::testing::Message() << "seed " << seed);
      const auto p = testing::MakeRandomProblem(seed, shape);
      auto plainTable = std::make_unique<BasicSolutionTable<Rational>>();
      auto plainRecord = std::make_unique<BasicSimplexRecord<RationalArithmetic>>();
      SolveStatus plainStatus = 99;
      RunSimplexWith<RationalArithmetic>(p.tableau, p.m, p.n, *plainTable, plainStatus,
                                         *plainRecord);
      auto freeTable = std::make_unique<BasicSolutionTable<FractionFree>>();
      auto freeRecord = std::make_unique<BasicSimplexRecord<FractionFreeArithmetic>>();
      SolveStatus freeStatus = 99;
      RunSimplexWith<FractionFreeArithmetic>(p.tableau, p.m, p.n, *freeTable, freeStatus,
                                             *freeRecord);
      ASSERT_EQ(freeStatus, plainStatus);
      ASSERT_EQ(freeRecord->exchanges, plainRecord->exchanges);
      ASSERT_EQ(freeRecord->cycled, plainRecord->cycled);
      ASSERT_EQ(freeRecord->stopRow, plainRecord->stopRow);
      ASSERT_EQ(freeRecord->stopColumn, plainRecord->stopColumn);
      for (int i = 1; i <= p.m + 2; ++i) {
        for (int j = 1; j <= p.n + 2; ++j) {
          ASSERT_EQ(freeRecord->work(i, j).ToRational(), plainRecord->work(i, j)) << i << "," << j;
        }
      }
      for (int k = 1; k <= freeStatus; ++k) {
        for (int i = 0; i <= p.n + p.m; ++i) {
          ASSERT_EQ((*freeTable)(i, k).ToRational(), (*plainTable)(i, k)) << i << "," << k;
        }
      }
      optimal += freeStatus > 0;
    }
  }
  EXPECT_GT(optimal, 50);
}

}  // namespace
}  // namespace pivora
