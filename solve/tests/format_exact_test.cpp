#include "solve/format_exact.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace pivora {
namespace {

const NumberFormat kDot{'.'};

// digits x 10^exponent, exactly, at any exponent.
Rational Decimal(const std::string& digits, long exponent) {
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(std::labs(exponent)));
  Rational q{mpz_class(digits)};
  if (exponent >= 0) {
    q *= power;
  } else {
    q /= power;
  }
  q.canonicalize();
  return q;
}

// The exact value of a report text: "-", digits with one ".", "E" and an
// exponent; the number of significant digits in `significant`.
Rational ValueOfText(const std::string& text, int& significant) {
  const std::size_t e = text.find('E');
  std::string mantissa = text.substr(0, e);
  const long exponent = e == std::string::npos ? 0 : std::stol(text.substr(e + 1));
  const bool negative = mantissa.front() == '-';
  if (negative) mantissa.erase(0, 1);
  const std::size_t point = mantissa.find('.');
  long fraction = 0;
  if (point != std::string::npos) {
    fraction = static_cast<long>(mantissa.size() - point - 1);
    mantissa.erase(point, 1);
  }
  const std::size_t first = mantissa.find_first_not_of('0');
  significant = first == std::string::npos ? 0 : static_cast<int>(mantissa.size() - first);
  const Rational q = Decimal(mantissa, exponent - fraction);
  return negative ? Rational(-q) : q;
}

TEST(FormatExact, RoundsOnceFromTheRational) {
  const struct {
    const char* name;
    Rational value;
    int precision;
    const char* text;
  } rows[] = {
      {"just below a half unit, 3 digits", Decimal("12349999999999999996", -19), 3, "1.23"},
      {"just below a half unit, 10 digits", Decimal("12345678904999999996", -19), 10, "1.23456789"},
      {"just below a half unit, 15 digits", Decimal("123456789012344499996", -20), 15,
       "1.23456789012344"},
      {"just above a half unit", Decimal("12350000000000000001", -19), 3, "1.24"},
      {"a true tie rounds up", Decimal("3125", -4), 3, "0.313"},
      {"a negative tie rounds away from zero", Decimal("-3125", -4), 3, "-0.313"},
      {"a third", Rational(1, 3), 15, "0.333333333333333"},
      {"zero", Rational(0), 10, "0"},
      {"carry past the first digit", Decimal("9995", -1), 3, "1E03"},
      {"just below a power of ten", Decimal("99999999999999999999", -20), 15, "1"},
      {"fixed form with leading zeros", Decimal("12345678", -11), 4, "0.0001235"},
      {"below the extended range", Decimal("5", -6790), 10, "5E-6790"},
      // Far below, the estimate of the exponent runs ahead as it does below
      // 2^-680, and the text keeps one leading "0" at most.
      {"far below it", Decimal("-123456", -70005), 3, "-0.12E-69999"},
      {"farther below, the estimate four ahead", Decimal("-10001", -300004), 3, "-0.1E-299999"},
      {"above the extended range", Decimal("15", 4999), 10, "1.5E5000"},
      {"estimate one too high keeps the leading zero", ExactRational(std::ldexp(1.0L, -681)), 10,
       "0.996719495E-205"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(FormatExact(row.value, row.precision, 2, kDot), row.text) << row.name;
  }
}

// Seeded: P-digit decimals and the points half a unit beside them, from
// 1E-200 to 1E6000. A decimal of P digits prints as itself; just below the
// half unit above it the text is still that decimal, and at the half unit
// the one above.
TEST(FormatExact, HalfUnitsDecideAtEveryMagnitude) {
  std::mt19937_64 random(17);
  for (int trial = 0; trial < 600; ++trial) {
    const int precision = std::uniform_int_distribution<int>(3, 15)(random);
    std::string digits(1, static_cast<char>('1' + random() % 9));
    while (static_cast<int>(digits.size()) < precision - 1)
      digits += static_cast<char>('0' + random() % 10);
    digits += static_cast<char>('0' + random() % 9);  // no carry at the half unit
    const long exponent = std::uniform_int_distribution<long>(-200, 6000)(random);
    const Rational value = Decimal(digits, exponent);
    const Rational half = Decimal("5", exponent - 1);
    const Rational tiny = Decimal("1", exponent - 30);
    const struct {
      Rational shown;
      Rational expected;
    } cases[] = {
        {value, value},
        {value + half - tiny, value},
        {value + half, value + 2 * half},
        {-(value + half), -(value + 2 * half)},
    };
    for (const auto& c : cases) {
      const std::string text = FormatExact(c.shown, precision, 2, kDot);
      int significant = 0;
      EXPECT_EQ(ValueOfText(text, significant), c.expected) << text << " at " << precision;
      EXPECT_LE(significant, precision) << text;
    }
  }
}

// Seeded: P nines and the half unit after them round up into the next power
// of ten, which must print as that power itself, from 1E-200 to 1E6000 and
// at every precision from 2 to 18, where the first estimate of the exponent
// is the old power's.
TEST(FormatExact, ACarryIntoTheNextPowerOfTenPrintsThatPower) {
  std::mt19937_64 random(31);
  for (int trial = 0; trial < 400; ++trial) {
    const int precision = 2 + trial % 17;
    const long exponent = std::uniform_int_distribution<long>(-200, 6000)(random);
    const Rational nines = Decimal(std::string(static_cast<std::size_t>(precision), '9'), exponent);
    const Rational half = Decimal("5", exponent - 1);
    const Rational power = Decimal("1", exponent + precision);
    for (const int sign : {1, -1}) {
      const std::string text = FormatExact(sign * (nines + half), precision, 2, kDot);
      EXPECT_EQ(text, FormatExact(sign * power, precision, 2, kDot))
          << "10^" << exponent + precision << " at " << precision;
      int significant = 0;
      EXPECT_EQ(ValueOfText(text, significant), sign * power) << text;
    }
  }
}

// A value held in terms of thousands of bits (numerator and denominator
// times 3^20000) prints as its reduced fraction does: on a half unit, 10^-60
// beside one (far below what the leading 128 bits resolve), and 0 over any
// denominator.
TEST(FormatExact, UnreducedTermsPrintAsTheValue) {
  mpz_class k;
  mpz_ui_pow_ui(k.get_mpz_t(), 3, 20000);
  const Rational tie = Decimal("12345", -4);
  const Rational beside = Decimal("1", -64);
  const struct {
    const char* name;
    Rational value;
    int precision;
    const char* text;
  } rows[] = {
      {"a true tie rounds up", tie, 4, "1.235"},
      {"10^-60 below the tie", tie - beside, 4, "1.234"},
      {"10^-60 above it", tie + beside, 4, "1.235"},
      {"a negative tie", -tie, 4, "-1.235"},
      {"a tie beyond the extended range", Decimal("245", 4999), 2, "2.5E5001"},
      {"zero", Rational(0), 10, "0"},
  };
  for (const auto& row : rows) {
    const mpz_class num = row.value.get_num() * k;
    const mpz_class den = row.value.get_den() * k;
    EXPECT_EQ(FormatExact(num, den, row.precision, 2, kDot), row.text) << row.name;
  }
}

}  // namespace
}  // namespace pivora
