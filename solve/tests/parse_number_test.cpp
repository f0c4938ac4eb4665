#include "solve/parse_number.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <string>

#include "solve/extended_encoding.h"
#include "solve/tests/same_bits.h"

namespace pivora {
namespace {

const NumberFormat kDot{'.'};

// A default that no accepted text yields, so a rejection is visible.
Extended Rejected() { return std::numeric_limits<Extended>::quiet_NaN(); }

Extended Parse(std::string_view text) { return ParseNumber(text, kDot, Rejected()); }

struct ParseRow {
  const char* name;
  std::string_view text;
  Extended expected;
};

// Each expected value is the compiler's correctly rounded literal; for these
// texts the method gives the nearest extended value.
TEST(ParseNumberTest, AcceptedTextsGiveTheirValueToTheBit) {
  const ParseRow rows[] = {
      {"plain", "12", 12.0L},
      {"blanks around", " 12 ", 12.0L},
      {"leading zeros", "007", 7.0L},
      {"sign and fraction only", "+.5", 0.5L},
      {"negative with exponent", "-3.25e2", -325.0L},
      {"capital E", "1.5E3", 1500.0L},
      {"separator last", "1.", 1.0L},
      {"separator alone", ".", 0.0L},
      {"negative separator alone", "-.", -0.0L},
      {"separator then exponent", ".e5", 0.0L},
      {"exponent without digits", "1e", 1.0L},
      {"exponent sign without digits", "1e+", 1.0L},
      {"exponent with leading zero", "1e0500", 1e500L},
      {"near the top of the range", "1e4932", 1e4932L},
      {"deep underflow", "1e-4999", 0.0L},
      {"negative zero", "-0", -0.0L},
      {"many leading zeros in exponent", "5e-0000000000000001", 0.5L},
      {"one tenth", "0.1", 0.1L},
      {"three tenths", "0.3", 0.3L},
      {"small fraction", "2.5e-7", 2.5e-7L},
      {"four fraction digits", "1.234e-6", 1.234e-6L},
      {"digits beyond the 19th round the sum", "18446744073709551617", 18446744073709551616.0L},
  };
  for (const ParseRow& row : rows) {
    EXPECT_TRUE(SameBits(Parse(row.text), row.expected)) << row.name << ": «" << row.text << "»";
  }
}

TEST(ParseNumberTest, MalformedOrOverflowingTextsGiveTheDefault) {
  const struct {
    const char* name;
    std::string_view text;
  } rows[] = {
      {"empty", ""},
      {"blanks only", "  "},
      {"sign only", "-"},
      {"signs only", "+-"},
      {"exponent only", "e5"},
      {"comma", "1,5"},
      {"thousands blank", "1 000"},
      {"two separators", "1.2.3"},
      {"blank before exponent", "1 e5"},
      {"blank inside exponent", "1e 5"},
      {"leading tab", "\t1"},
      {"trailing tab", "1\t"},
      {"hexadecimal", "0x10"},
      {"digit left after exponent reached 500", "1E5000"},
      {"digit left after a negative exponent reached 500", "1e-5001"},
      {"overflow by exponent", "1e4999"},
      {"overflow just above the range", "2e4932"},
      {"two signs", "--1"},
      {"blank after sign", "- 1"},
      {"word", "inf"},
      {"nan", "nan"},
      {"exponent sign twice", "1e+-5"},
      {"NUL inside", std::string_view("1\0002", 3)},
      {"byte above 127", "1\xE9"},
      {"dots only", "..."},
      {"character after the exponent's last digit", "1e4999e"},
  };
  for (const auto& row : rows) {
    const Extended sentinel = ErrorSentinel();
    EXPECT_TRUE(SameBits(ParseNumber(row.text, kDot, sentinel), sentinel)) << row.name;
  }
}

TEST(ParseNumberTest, SubnormalResultIsAcceptedWithoutNotice) {
  const Extended v = Parse("1e-4940");
  const ExtendedEncoding e = EncodingOf(v);
  EXPECT_EQ(e.kind, ExtendedKind::kZeroOrSubnormal);
  EXPECT_NE(e.significand, 0u);
  EXPECT_GT(v, 0.0L);
}

// The method divides by 10^18 exactly, then by the rounded entry 10^32: two
// roundings that land one unit below the nearest value. A correctly rounding
// conversion would give 1e-50L itself.
TEST(ParseNumberTest, TenToTheMinus50IsOneUnitBelowTheNearestValue) {
  EXPECT_TRUE(SameBits(Parse("1e-50"), std::nextafter(1e-50L, 0.0L)));
}

TEST(ParseNumberTest, TheErrorSentinelIsWhatTheTextOneSevenE308Gives) {
  EXPECT_TRUE(SameBits(ErrorSentinel(), ExtendedFromBits(false, 0x43FE, 0xF2168983B9DBB273ULL)));
  EXPECT_TRUE(SameBits(Parse("1.7E308"), ErrorSentinel()));
}

TEST(ParseNumberTest, OverflowDuringAccumulationIsNotUndoneByTheExponent) {
  const std::string ones(5000, '1');
  EXPECT_TRUE(std::isnan(Parse(ones)));
  EXPECT_TRUE(std::isnan(Parse(ones + "e-4000")));
  // Far fewer digits stay in range and come back with the exponent.
  EXPECT_EQ(Parse(std::string(4000, '0') + "1e-0"), 1.0L);
}

TEST(ParseNumberTest, LongTextsAreReadToTheirEnd) {
  const std::string zeros(100000, '0');
  EXPECT_EQ(Parse(zeros), 0.0L);
  EXPECT_TRUE(SameBits(Parse("0." + zeros + "1e4999"), 0.0L)) << "scaled below the tables";
  EXPECT_EQ(Parse(std::string(100000, ' ') + "3" + std::string(100000, ' ')), 3.0L);
  EXPECT_TRUE(std::isnan(Parse(std::string(100000, '.'))));
  EXPECT_TRUE(std::isnan(Parse(std::string(100000, '-'))));
  EXPECT_TRUE(std::isnan(Parse(std::string(100000, '\0'))));
}

TEST(ParseNumberTest, ReadsOnlyTheGivenView) {
  const char buffer[] = "12345";
  EXPECT_EQ(Parse(std::string_view(buffer, 2)), 12.0L);
  EXPECT_TRUE(std::isnan(Parse(std::string_view(buffer + 1, 0))));
  const char exponent[] = "1e55";
  EXPECT_EQ(Parse(std::string_view(exponent, 3)), 1e5L);
}

// Each text in a heap block of exactly its length, no terminator after it, so
// the sanitizer build catches any read past the end.
TEST(ParseNumberTest, TextsEndingMidNumberAreNotReadPast) {
  const struct {
    std::string_view text;
    Extended expected;
  } rows[] = {{"1e", 1.0L},  {"1e-", 1.0L}, {"2.", 2.0L},
              {"-.", -0.0L}, {"3 ", 3.0L},  {"45e1", 450.0L}};
  for (const auto& row : rows) {
    const auto block = std::make_unique<char[]>(row.text.size());
    std::memcpy(block.get(), row.text.data(), row.text.size());
    EXPECT_TRUE(SameBits(Parse(std::string_view(block.get(), row.text.size())), row.expected))
        << row.text;
  }
  const auto sign = std::make_unique<char[]>(1);
  sign[0] = '+';
  EXPECT_TRUE(std::isnan(Parse(std::string_view(sign.get(), 1))));
}

TEST(ParseNumberTest, TheDecimalSeparatorComesFromTheFormat) {
  const NumberFormat comma{','};
  EXPECT_EQ(ParseNumber("1,5", comma, -1.0L), 1.5L);
  EXPECT_EQ(ParseNumber("1.5", comma, -1.0L), -1.0L);
}

TEST(ParseNumberTest, LeavesTheCallersModeAndFlagsAsTheyWere) {
  std::feclearexcept(FE_ALL_EXCEPT);
  std::feraiseexcept(FE_DIVBYZERO);
  std::fesetround(FE_UPWARD);
  const Extended tenth = Parse("0.1");
  const Extended overflowed = ParseNumber("2e4932", kDot, 7.0L);
  const Extended underflowed = Parse("1e-4999");
  const int rounding = std::fegetround();
  const int flags = std::fetestexcept(FE_ALL_EXCEPT);
  std::fesetround(FE_TONEAREST);
  std::feclearexcept(FE_ALL_EXCEPT);

  EXPECT_TRUE(SameBits(tenth, 0.1L)) << "parsed to nearest under the caller's upward rounding";
  EXPECT_EQ(overflowed, 7.0L);
  EXPECT_EQ(underflowed, 0.0L);
  EXPECT_EQ(rounding, FE_UPWARD);
  EXPECT_EQ(flags, FE_DIVBYZERO) << "only the caller's own flag is left";
}

TEST(ParseNumberTest, NeverTrapsEvenWhenTheCallerUnmasksExceptions) {
  std::feclearexcept(FE_ALL_EXCEPT);
  feenableexcept(FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO);
  const Extended overflowed = ParseNumber("2e4932", kDot, 7.0L);
  const Extended accumulated = ParseNumber(std::string(5000, '9'), kDot, 8.0L);
  fedisableexcept(FE_ALL_EXCEPT);
  EXPECT_EQ(overflowed, 7.0L);
  EXPECT_EQ(accumulated, 8.0L);
}

}  // namespace
}  // namespace pivora
