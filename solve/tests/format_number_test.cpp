#include "solve/format_number.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "solve/extended_encoding.h"
#include "solve/parse_number.h"

namespace pivora {
namespace {

const NumberFormat kDot{'.'};

Extended Parsed(std::string_view text) { return ParseNumber(text, kDot, 0.0L); }

std::string Report(Extended value, int precision) {
  return FormatGeneral(value, precision, 2, kDot);
}

TEST(FormatGeneralTest, ReportValuesToTheCharacter) {
  const Extended inf = std::numeric_limits<Extended>::infinity();
  const struct {
    const char* name;
    Extended value;
    int precision;
    const char* text;
  } rows[] = {
      {"zero", 0.0L, 10, "0"},
      {"negative zero", -0.0L, 3, "0"},
      {"one", 1.0L, 10, "1"},
      {"negative with fraction", -1.5L, 10, "-1.5"},
      {"two thirds", 2.0L / 3.0L, 10, "0.6666666667"},
      {"negative two thirds", -2.0L / 3.0L, 3, "-0.667"},
      {"one third", 1.0L / 3.0L, 15, "0.333333333333333"},
      {"tie rounds up", 2.125L, 3, "2.13"},
      {"tie rounds away from zero", -2.125L, 3, "-2.13"},
      {"smallest fixed form", Parsed("0.0001"), 10, "0.0001"},
      {"fixed form with leading zeros", Parsed("0.00012345678"), 4, "0.0001235"},
      {"carry into the fixed form", Parsed("0.00099999"), 3, "0.001"},
      {"below 0.0001", Parsed("1e-5"), 10, "1E-05"},
      {"small with digits", Parsed("1.234e-6"), 10, "1.234E-06"},
      {"whole at full width", 100.0L, 3, "100"},
      {"carry past the first digit", 999.5L, 3, "1E03"},
      {"more whole digits than precision", 1000.0L, 3, "1E03"},
      {"scientific with fraction", 1234.0L, 3, "1.23E03"},
      {"scientific cut", 12345.0L, 3, "1.23E04"},
      {"trailing zeros dropped", 123456789012.0L, 10, "1.23456789E11"},
      {"fifteen nines", 999999999999999.0L, 15, "999999999999999"},
      {"ten to the fifteenth", 1e15L, 15, "1E15"},
      {"three-digit exponent", Parsed("1e-300"), 10, "1E-300"},
      {"beyond the double range", Parsed("1e500"), 10, "1E500"},
      {"error sentinel", ErrorSentinel(), 15, "1.7E308"},
      {"estimate one too high keeps the leading zero", std::ldexp(1.0L, -681), 10,
       "0.996719495E-205"},
      {"infinity", inf, 10, "INF"},
      {"negative infinity", -inf, 3, "-INF"},
      {"NaN", std::numeric_limits<Extended>::quiet_NaN(), 10, "NAN"},
      {"negative NaN", -std::numeric_limits<Extended>::quiet_NaN(), 10, "NAN"},
      {"precision two", 2.0L / 3.0L, 2, "0.67"},
      {"precision eighteen", 2.0L / 3.0L, 18, "0.666666666666666667"},
      {"one tenth at eighteen", 0.1L, 18, "0.1"},
      {"precision 0 is 2", 2.0L / 3.0L, 0, "0.67"},
      {"precision 1 is 2", 2.0L / 3.0L, 1, "0.67"},
      {"precision -5 is 2", 1234.0L, -5, "1.2E03"},
      {"precision 19 is 18", 2.0L / 3.0L, 19, "0.666666666666666667"},
      {"precision 1000 is 18", 0.1L, 1000, "0.1"},
      {"whole padded with zeros", 1.5e9L, 10, "1500000000"},
      {"largest finite", std::numeric_limits<Extended>::max(), 10, "1.189731495E4932"},
      {"smallest normal", std::numeric_limits<Extended>::min(), 10, "3.362103143E-4932"},
      {"subnormal", Parsed("1e-4940"), 10, "0"},
      {"negative subnormal", -std::numeric_limits<Extended>::denorm_min(), 10, "0"},
  };
  for (const auto& row : rows) EXPECT_EQ(Report(row.value, row.precision), row.text) << row.name;
}

TEST(FormatGeneralTest, ExponentDigitsAreALeastWidth) {
  const Extended small = Parsed("1e-5");
  EXPECT_EQ(FormatGeneral(small, 10, 0, kDot), "1E-5");
  EXPECT_EQ(FormatGeneral(1e15L, 15, 0, kDot), "1E15");
  EXPECT_EQ(FormatGeneral(small, 10, 4, kDot), "1E-0005");
  EXPECT_EQ(FormatGeneral(small, 10, 5, kDot), "1E-5") << "outside 0..4 counts as 0";
  EXPECT_EQ(FormatGeneral(small, 10, -1, kDot), "1E-5") << "outside 0..4 counts as 0";
  EXPECT_EQ(FormatGeneral(Parsed("1e-300"), 10, 1, kDot), "1E-300") << "never cut";
  EXPECT_EQ(FormatGeneral(Parsed("1e1234"), 10, 2, kDot), "1E1234");
}

TEST(FormatGeneralTest, WritesTheFormatsSeparatorAndNothingElse) {
  const NumberFormat comma{','};
  EXPECT_EQ(FormatGeneral(-1.5L, 10, 2, comma), "-1,5");
  EXPECT_EQ(FormatGeneral(1234567.0L, 15, 2, comma), "1234567");
  EXPECT_EQ(FormatGeneral(1234.0L, 3, 2, comma), "1,23E03");
}

TEST(DecimalDigitsTest, MarksInfinityAndNanByExponent) {
  const DecimalForm inf = DecimalDigits(-std::numeric_limits<Extended>::infinity(), 10);
  EXPECT_EQ(static_cast<std::uint16_t>(inf.exponent), 0x7FFF);
  EXPECT_TRUE(inf.negative);
  EXPECT_EQ(inf.count, 0);
  const DecimalForm nan = DecimalDigits(-std::numeric_limits<Extended>::quiet_NaN(), 10);
  EXPECT_EQ(static_cast<std::uint16_t>(nan.exponent), 0x8000);
  EXPECT_FALSE(nan.negative);
  const DecimalForm zero = DecimalDigits(-0.0L, 10);
  EXPECT_EQ(zero.exponent, 0);
  EXPECT_FALSE(zero.negative);
  EXPECT_EQ(zero.count, 0);
}

TEST(DecimalDigitsTest, CarryPastTheFirstDigitRaisesTheExponent) {
  const DecimalForm form = DecimalDigits(9.9996L, 4);
  EXPECT_EQ(std::string(form.digits, form.count), "1");
  EXPECT_EQ(form.exponent, 2);
}

// Every 10-byte pattern has a text, and none raises a flag: the invalid
// encodings (leading bit clear above exponent 0) print as NaN, as the x87
// treats them; pseudo-denormals have exponent 0 and print as zero.
TEST(FormatGeneralTest, EveryEncodingHasATextAndRaisesNothing) {
  constexpr std::uint64_t kLead = 1ULL << 63;
  const struct {
    const char* name;
    bool negative;
    int exponent;
    std::uint64_t significand;
    const char* text;
  } rows[] = {
      {"pseudo-denormal", false, 0, kLead | 5, "0"},
      {"negative pseudo-denormal", true, 0, kLead, "0"},
      {"unnormal", false, 0x3FFF, 0x4000000000000000ULL, "NAN"},
      {"unnormal with zero significand", true, 0x1234, 0, "NAN"},
      {"pseudo-infinity", false, 0x7FFF, 0, "NAN"},
      {"negative pseudo-infinity", true, 0x7FFF, 0, "NAN"},
      {"pseudo-NaN", false, 0x7FFF, 1, "NAN"},
      {"signalling NaN", false, 0x7FFF, kLead | 1, "NAN"},
      {"quiet NaN", true, 0x7FFF, kLead | (1ULL << 62), "NAN"},
      {"real indefinite", true, 0x7FFF, kLead | (1ULL << 62), "NAN"},
      {"infinity", true, 0x7FFF, kLead, "-INF"},
      {"largest subnormal", false, 0, kLead - 1, "0"},
      {"one", true, 0x3FFF, kLead, "-1"},
  };
  for (const auto& row : rows) {
    const Extended value = ExtendedFromBits(row.negative, row.exponent, row.significand);
    std::feclearexcept(FE_ALL_EXCEPT);
    const std::string text = FormatGeneral(value, 10, 2, kDot);
    const std::string whole = FormatWhole(value);
    const int raised = std::fetestexcept(FE_INVALID | FE_OVERFLOW | FE_DIVBYZERO);
    EXPECT_EQ(text, row.text) << row.name;
    EXPECT_EQ(whole, row.text) << row.name;
    EXPECT_EQ(raised, 0) << row.name;
  }
}

// At precision 18 the text keeps every digit of the 18-digit string, so
// parsing it back lands within half a unit of its last digit, plus the few
// roundings of the two scalings.
TEST(FormatGeneralTest, EighteenDigitsParseBackToTheValue) {
  std::mt19937_64 random(20261207);
  std::uniform_int_distribution<int> exponents(1, 0x7FFE);
  for (int i = 0; i < 20000; ++i) {
    const bool negative = (random() & 1) != 0;
    const Extended value = ExtendedFromBits(negative, exponents(random), random() | (1ULL << 63));
    const std::string text = FormatGeneral(value, 18, 2, kDot);
    const Extended back = ParseNumber(text, kDot, std::numeric_limits<Extended>::quiet_NaN());
    const DecimalForm form = DecimalDigits(value, 18);
    const Extended lastDigit = ScaleByPowerOfTen(1.0L, form.exponent - 18);
    const Extended ulp = std::nextafter(std::fabs(value), 0.0L);
    const Extended tolerance = 0.51L * lastDigit + 8 * (std::fabs(value) - ulp);
    if (std::isnan(back)) {
      EXPECT_GT(std::fabs(value), 1e4932L) << text << " is rejected only above the range";
      continue;
    }
    ASSERT_LE(std::fabs(back - value), tolerance) << text;
  }
}

TEST(FormatWholeTest, WholeNumbersArePlainDigits) {
  for (int k = 1; k <= 50; ++k) EXPECT_EQ(FormatWhole(k), std::to_string(k));
  EXPECT_EQ(FormatWhole(-7.0L), "-7");
  EXPECT_EQ(FormatWhole(0.0L), "0");
  EXPECT_EQ(FormatWhole(999999999999999.0L), "999999999999999");
  EXPECT_EQ(FormatWhole(123456789012345.0L), "123456789012345");
  // The short road for whole numbers writes what the general one writes, on
  // both sides of 15 digits and for the values that are not whole.
  for (const Extended value : {-0.0L, 1e15L - 1, -(1e15L - 1), 1e15L, 1e16L - 1, -1e15L, 2.5L,
                               -0.5L, 1e300L, 0x1p-16445L, 4503599627370497.0L}) {
    EXPECT_EQ(FormatWhole(value), FormatGeneral(value, 15, 0, kDot)) << static_cast<double>(value);
  }
}

TEST(MaxOfTest, NegativeEntriesShowAsPositiveZero) {
  EXPECT_EQ(FormatGeneral(MaxOf(-3.0L, 0.0L), 10, 2, kDot), "0");
  EXPECT_FALSE(std::signbit(MaxOf(-3.0L, 0.0L)));
  EXPECT_FALSE(std::signbit(MaxOf(-0.0L, 0.0L)));
  EXPECT_FALSE(std::signbit(MaxOf(0.0L, 0.0L)));
  EXPECT_EQ(MaxOf(2.5L, 0.0L), 2.5L);
  EXPECT_EQ(MaxOf(0.0L, 2.5L), 2.5L);
}

TEST(MaxOfTest, NanComparesQuietly) {
  std::feclearexcept(FE_ALL_EXCEPT);
  const Extended result = MaxOf(std::numeric_limits<Extended>::quiet_NaN(), 0.0L);
  EXPECT_EQ(std::fetestexcept(FE_INVALID), 0);
  EXPECT_TRUE(std::isnan(result));
}

}  // namespace
}  // namespace pivora
