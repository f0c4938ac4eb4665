#include "solver/enclosure.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

#include "solver/enclosed_run.h"
#include "solver/exact_solve.h"
#include "solver/testing/long_digit_problem.h"
#include "solver/tests/plain_basis.h"

namespace pivora::testing {
namespace {

// -1, 0 or 1 where the enclosure settles the sign, 2 where it does not.
int SettledSign(const Enclosure& e) {
  try {
    return e.Sign();
  } catch (const Undecided&) {
    return 2;
  }
}

// Chains of the four operations on 19-digit decimals of exponents -30..30:
// after every step the exact result lies in the enclosure (never settled
// apart from it), and the enclosure is narrow enough to settle a difference
// of 10^-24 of the value.
TEST(Enclosure, HoldsEveryStepsExactResultNarrowly) {
  std::mt19937_64 rng(7);
  const Rational near(1, mpz_class("1000000000000000000000000"));
  for (int chain = 0; chain < 400; ++chain) {
    Rational exact = LongDigitDecimal(rng, UniformInt(rng, -30, 30));
    Enclosure value(exact);
    for (int step = 0; step < 40; ++step) {
      SCOPED_TRACE(::testing::Message() << "chain " << chain << " step " << step);
      Rational q = LongDigitDecimal(rng, UniformInt(rng, -30, 30));
      if (Chance(rng, 50)) q = -q;
      // Operands exact as doubles, too, whose results carry only the step's
      // own rounding.
      if (Chance(rng, 25)) q = Rational(UniformInt(rng, 1, 99));
      const Enclosure operand(q);
      switch (UniformInt(rng, 0, 3)) {
        case 0:
          exact += q;
          value = value + operand;
          break;
        case 1:
          exact -= q;
          value = value - operand;
          break;
        case 2:
          exact *= q;
          value = value * operand;
          break;
        default:
          exact /= q;
          value = value / operand;
          break;
      }
      if (abs(exact) > Rational(mpz_class("1" + std::string(60, '0'))) ||
          abs(exact) < Rational(1, mpz_class("1" + std::string(60, '0'))))
        break;
      ASSERT_EQ(SettledSign(value - Enclosure(exact)), 2);
      const Rational apart = exact * (1 + near);
      ASSERT_EQ(SettledSign(value - Enclosure(apart)), -sgn(exact));
    }
  }
}

// 2^k exactly.
Rational PowerOfTwo(int k) {
  return k >= 0 ? Rational(mpz_class(1) << k) : Rational(mpz_class(1), mpz_class(1) << -k);
}

// A number near 2^e: a 53-bit significand there, and as often as not a tail
// 60 to 250 bits further down, which its enclosure cannot hold exactly.
Rational NearPowerOfTwo(std::mt19937_64& rng, int e) {
  Rational q = Rational(mpz_class(static_cast<unsigned long>(rng() >> 11))) * PowerOfTwo(e - 53);
  if (Chance(rng, 50)) {
    q += Rational(mpz_class(static_cast<unsigned long>(rng() >> 11))) *
         PowerOfTwo(e - 53 - UniformInt(rng, 60, 250));
  }
  if (Chance(rng, 50)) q = -q;
  return q;
}

// A difference whose midpoint is 0 while the numbers it encloses are not:
// 2^-890 + 2^-1010 + 2^-1100 less 2^-890 + 2^-1010, then scaled down, is
// rightly undecided, never a settled 0.
TEST(Enclosure, ABoundNeverUnderflowsToZero) {
  const Enclosure a(PowerOfTwo(-890) + PowerOfTwo(-1010) + PowerOfTwo(-1100));
  const Enclosure b(PowerOfTwo(-890) + PowerOfTwo(-1010));
  const Enclosure d = a - b;
  EXPECT_EQ(SettledSign(d), 2);
  EXPECT_EQ(SettledSign(d * Enclosure(PowerOfTwo(-20))), 2);
  EXPECT_EQ(SettledSign(d / Enclosure(PowerOfTwo(40))), 2);
  EXPECT_EQ(SettledSign(Enclosure(PowerOfTwo(-20)) * d * d), 2);
}

// Chains of the four operations near the ends of the range, 2^-900 and
// 2^900, with differences of nearly equal numbers among their operands:
// wherever a sign is settled it is the exact result's.
TEST(Enclosure, SettlesNoSignWronglyNearTheRangesEnds) {
  std::mt19937_64 rng(25);
  long settled = 0;
  for (int chain = 0; chain < 1000; ++chain) {
    const int end = Chance(rng, 50) ? -890 : 890;
    Rational exact = NearPowerOfTwo(rng, end);
    try {
      Enclosure value(exact);
      for (int step = 0; step < 60; ++step) {
        SCOPED_TRACE(::testing::Message() << "chain " << chain << " step " << step);
        Rational q = NearPowerOfTwo(rng, UniformInt(rng, -60, 60));
        if (Chance(rng, 30)) q = PowerOfTwo(UniformInt(rng, -60, 60));
        switch (UniformInt(rng, 0, 4)) {
          case 0: {
            // Nearly the value itself: its leading 53 to 170 bits.
            if (sgn(exact) == 0) break;
            const long top = static_cast<long>(mpz_sizeinbase(exact.get_num_mpz_t(), 2)) -
                             static_cast<long>(mpz_sizeinbase(exact.get_den_mpz_t(), 2));
            const Rational scaled =
                exact / PowerOfTwo(static_cast<int>(top) - UniformInt(rng, 53, 170));
            mpz_class k;
            mpz_tdiv_q(k.get_mpz_t(), scaled.get_num_mpz_t(), scaled.get_den_mpz_t());
            const Rational near = Rational(k) * (exact / scaled);
            exact -= near;
            value = value - Enclosure(near);
            break;
          }
          case 1:
            exact += q;
            value = value + Enclosure(q);
            break;
          case 2:
            exact *= q;
            value = value * Enclosure(q);
            break;
          case 3:
            exact /= q;
            value = value / Enclosure(q);
            break;
          default:
            exact *= exact;
            value = value * value;
            break;
        }
        const int sign = SettledSign(value);
        if (sign != 2) {
          ++settled;
          ASSERT_EQ(sign, sgn(exact));
        }
      }
    } catch (const Undecided&) {
      // The chain left the range, or divided by what may be 0.
    }
  }
  EXPECT_GT(settled, 4000);
}

// What no enclosure can settle is refused: equal values reached by
// different roundings or not held exactly, a divisor that may be 0, a value beyond the range.
TEST(Enclosure, RefusesWhatItCannotSettle) {
  const Enclosure third = Enclosure(1) / Enclosure(3);
  EXPECT_THROW((void)(third * Enclosure(3) == Enclosure(1)), Undecided);
  EXPECT_THROW((void)(Enclosure(1) / (third * Enclosure(3) - Enclosure(1))), Undecided);
  EXPECT_THROW(Enclosure(Rational(mpz_class(1) << 1000)), Undecided);
  EXPECT_THROW((void)(Enclosure(Rational(1, 10)) == Enclosure(Rational(1, 10))), Undecided);
  EXPECT_TRUE(Enclosure(Rational(3, 4)) - Enclosure(Rational(3, 4)) == 0);
  EXPECT_TRUE(third < Enclosure(Rational(1, 3) + Rational(1, mpz_class(1) << 90)));
}

// The run on enclosures takes the exact run's every step where it settles
// them: the same exchanges to the same status and the same basis. On the
// long-digit families it settles the exchanges from wrong plain bases; the
// degenerate family's ties it leaves to the exact run.
TEST(EnclosedRun, TakesTheExactRunsStepsOrLeavesThem) {
  int settled = 0;
  int moved = 0;  // settled with exchanges from the plain basis
  int left = 0;
  for (const auto family : {LongDigitFamily::kMixedExponents, LongDigitFamily::kDegenerate}) {
    for (std::uint64_t seed = 1; seed <= 8; ++seed) {
      SCOPED_TRACE(::testing::Message()
                   << "family " << static_cast<int>(family) << " seed " << seed);
      auto exact = std::make_unique<ExactTableau>();
      const RandomProblem p = MakeLongDigitProblem(seed, family, 50, *exact);
      const BasisLabels basis = PlainBasis(p.tableau, p.m, p.n);
      EnclosedRun run;
      if (!RunEnclosed(*exact, p.m, p.n, basis, nullptr, run)) {
        ++left;
        continue;
      }
      ++settled;
      auto s = std::make_unique<SolutionTable>();
      SolveStatus status = 99;
      const ExactSolve e = ContinueExactly(*exact, p.m, p.n, basis, *s, status, nullptr, nullptr,
                                           ExactWork::kResidues);
      ASSERT_EQ(run.status, status);
      EXPECT_EQ(run.exchanges, e.exchanges);
      EXPECT_EQ(run.cycled, e.cycled);
      EXPECT_EQ(run.end.row, e.end.row);
      EXPECT_EQ(run.end.column, e.end.column);
      if (run.exchanges > 0) ++moved;
    }
  }
  EXPECT_GE(settled, 12);
  EXPECT_GE(moved, 2);
  EXPECT_GE(left, 1);
}

}  // namespace
}  // namespace pivora::testing
