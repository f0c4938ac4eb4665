#include "solver/rational_arithmetic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>

namespace pivora {
namespace {

using Limits = std::numeric_limits<Extended>;

// The 80 bits of an extended value, so a test can tell -0 from 0 and compare
// results bit for bit.
std::pair<std::uint64_t, std::uint16_t> Bits(Extended x) {
  std::uint64_t significand = 0;
  std::uint16_t signAndExponent = 0;
  std::memcpy(&significand, &x, 8);
  std::memcpy(&signAndExponent, reinterpret_cast<const char*>(&x) + 8, 2);
  return {significand, signAndExponent};
}

Extended FromBits(std::uint64_t significand, std::uint16_t signAndExponent) {
  Extended x = 0;
  std::memcpy(&x, &significand, 8);
  std::memcpy(reinterpret_cast<char*>(&x) + 8, &signAndExponent, 2);
  return x;
}

Rational PowerOfTwo(long e) {
  Rational q(1);
  if (e >= 0)
    mpq_mul_2exp(q.get_mpq_t(), q.get_mpq_t(), static_cast<mp_bitcnt_t>(e));
  else
    mpq_div_2exp(q.get_mpq_t(), q.get_mpq_t(), static_cast<mp_bitcnt_t>(-e));
  return q;
}

TEST(ExactRational, KnownValues) {
  EXPECT_EQ(ExactRational(0.0L), Rational(0));
  EXPECT_EQ(ExactRational(-0.0L), Rational(0));
  EXPECT_EQ(ExactRational(1.0L), Rational(1));
  EXPECT_EQ(ExactRational(-7.0L), Rational(-7));
  EXPECT_EQ(ExactRational(0.375L), Rational(3, 8));
  EXPECT_EQ(ExactRational(Limits::denorm_min()), PowerOfTwo(-16445));
  EXPECT_EQ(ExactRational(Limits::min()), PowerOfTwo(-16382));
  EXPECT_EQ(ExactRational(Limits::max()), (PowerOfTwo(64) - 1) * PowerOfTwo(16384 - 64));
  // 0.1 is not a binary fraction: its extended value is 0xCCCCCCCCCCCCCCCD * 2^-67.
  Rational tenth;
  tenth.get_num() = mpz_class("CCCCCCCCCCCCCCCD", 16);
  tenth.get_den() = 1;
  EXPECT_EQ(ExactRational(0.1L), tenth * PowerOfTwo(-67));
}

TEST(NearestExtended, RoundTripsEveryKindOfValueBitForBit) {
  const Extended values[] = {1.0L,
                             -1.0L,
                             0.1L,
                             1e-300L,
                             3.0L / 7.0L,
                             Limits::max(),
                             -Limits::max(),
                             Limits::min(),
                             Limits::denorm_min(),
                             -Limits::denorm_min(),
                             Limits::min() / 3.0L,
                             Limits::epsilon(),
                             1.7e308L,
                             1e4000L};
  for (Extended x : values) {
    EXPECT_EQ(Bits(NearestExtended(ExactRational(x))), Bits(x)) << static_cast<double>(x);
  }
  std::mt19937_64 rng(6);
  for (int k = 0; k < 20000; ++k) {
    // Random significand (explicit integer bit set) and any exponent, and
    // subnormals (biased exponent 0, integer bit clear).
    const bool subnormal = k % 4 == 0;
    const std::uint64_t significand = subnormal ? (rng() >> 1) : (rng() | (std::uint64_t{1} << 63));
    const auto exponent = static_cast<std::uint16_t>(subnormal ? 0 : 1 + rng() % 0x7FFE);
    const auto sign = static_cast<std::uint16_t>((rng() & 1) << 15);
    const Extended x = FromBits(significand, static_cast<std::uint16_t>(sign | exponent));
    if (x == 0) continue;
    ASSERT_EQ(Bits(NearestExtended(ExactRational(x))), Bits(x)) << k;
  }
}

TEST(NearestExtended, AgreesWithTheHardwareQuotient) {
  // An extended division of two exact 64-bit integers rounds correctly, so it
  // is an independent reference for a / b.
  std::mt19937_64 rng(7);
  for (int k = 0; k < 20000; ++k) {
    const std::uint64_t a = (rng() >> (rng() % 64)) | 1;
    const std::uint64_t b = (rng() >> (rng() % 64)) | 1;
    const Extended expected = static_cast<Extended>(a) / static_cast<Extended>(b);
    Rational q(mpz_class(static_cast<unsigned long>(a)), mpz_class(static_cast<unsigned long>(b)));
    q.canonicalize();
    ASSERT_EQ(Bits(NearestExtended(q)), Bits(expected)) << a << " / " << b;
    ASSERT_EQ(Bits(NearestExtended(-q)), Bits(-expected)) << a << " / " << b;
  }
}

TEST(NearestExtended, TiesGoToTheEvenSignificand) {
  const Rational ulp = PowerOfTwo(-63);           // of values in [1, 2)
  EXPECT_EQ(NearestExtended(1 + ulp / 2), 1.0L);  // down to even
  EXPECT_EQ(NearestExtended(1 + ulp + ulp / 2), 1.0L + 2 * Limits::epsilon());  // up to even
  EXPECT_EQ(NearestExtended(1 + ulp / 2 + PowerOfTwo(-200)), 1.0L + Limits::epsilon());
  EXPECT_EQ(NearestExtended(1 + ulp / 2 - PowerOfTwo(-200)), 1.0L);
  EXPECT_EQ(NearestExtended(-(1 + ulp / 2)), -1.0L);
  // The largest value below 2 plus half an ulp: a tie, and 2 is even.
  EXPECT_EQ(NearestExtended(2 - ulp / 2), 2.0L);
  EXPECT_EQ(NearestExtended(2 - ulp / 2 - PowerOfTwo(-200)), 2.0L - Limits::epsilon());
}

TEST(NearestExtended, UnderflowsGraduallyAndRoundsSubnormalTies) {
  const Rational least = PowerOfTwo(-16445);
  const Extended d = Limits::denorm_min();
  EXPECT_EQ(NearestExtended(least / 2), 0.0L);  // tie: 0 is even
  EXPECT_TRUE(std::signbit(NearestExtended(-least / 2)));
  EXPECT_EQ(NearestExtended(least / 2 + PowerOfTwo(-17000)), d);
  EXPECT_EQ(NearestExtended(least * 3 / 2), 2 * d);  // tie: 2 is even
  EXPECT_EQ(NearestExtended(least * 5 / 2), 2 * d);
  EXPECT_EQ(NearestExtended(least * 7 / 3), 2 * d);
  EXPECT_EQ(NearestExtended(PowerOfTwo(-20000)), 0.0L);
  // The largest subnormal plus half an ulp is a tie, and rounds up to the
  // smallest normal value.
  EXPECT_EQ(NearestExtended(PowerOfTwo(-16382) - least / 2), Limits::min());
}

TEST(NearestExtended, OverflowsToInfinityAtHalfAnUlpBeyondTheLargest) {
  const Rational largest = ExactRational(Limits::max());
  const Rational halfUlp = PowerOfTwo(16384 - 64 - 1);
  EXPECT_EQ(NearestExtended(largest + halfUlp - 1), Limits::max());
  EXPECT_EQ(NearestExtended(largest + halfUlp), Limits::infinity());
  EXPECT_EQ(NearestExtended(-(largest + halfUlp)), -Limits::infinity());
  EXPECT_EQ(NearestExtended(PowerOfTwo(20000)), Limits::infinity());
}

TEST(RationalArithmetic, DecidesExactlyWithoutSentinelOrSnapping) {
  using A = RationalArithmetic;
  // No snapping: a tiny fraction of the old value survives.
  EXPECT_EQ(A::Snap(Rational(1), Rational(1, 1000000000)), Rational(1, 1000000000));
  // A ratio as large as any extended value still limits the column.
  const Rational huge = ExactRational(Limits::max()) * 2;
  EXPECT_TRUE(A::RatioBeats(huge, A::InitialRatio(), false));
  EXPECT_TRUE(A::RatioLimits(huge, true));
  EXPECT_FALSE(A::RatioLimits(A::InitialRatio(), false));
  EXPECT_FALSE(A::RatioBeats(Rational(2), Rational(2), true));  // ties keep the first row
  EXPECT_TRUE(A::RatioBeats(Rational(1), Rational(2), true));
  // Solutions differ by any amount at all.
  EXPECT_TRUE(A::Differs(Rational(1), Rational(1) + PowerOfTwo(-500)));
  EXPECT_FALSE(A::Differs(Rational(3, 7), Rational(6, 7) / 2));
  EXPECT_EQ(A::ToLabel(A::FromInt(-37)), -37);
}

}  // namespace
}  // namespace pivora
