#include "solve/decimal_text.h"

#include <gtest/gtest.h>

#include "solve/parse_number.h"

namespace pivora {
namespace {

// Every row is a text ParseNumber accepts; its exact value is the decimal
// the user typed, however far beyond 64 bits or the extended range it lies.
TEST(DecimalValue, IsTheTypedDecimalExactly) {
  const struct {
    const char* text;
    const char* value;  // as mpq reads it
  } rows[] = {
      {"0.3", "3/10"},
      {" -.5 ", "-1/2"},
      {"+5.", "5"},
      {"007.50E0002", "750"},
      {"1e-3", "1/1000"},
      {"-0", "0"},
      {"1.0000000002", "5000000001/5000000000"},
      {"0.8", "4/5"},
      {"62.5", "125/2"},
      {"0.0625", "1/16"},
      {"12345678901234567890123", "12345678901234567890123"},
      // On both sides of 64 bits, for the digits and for the power of ten.
      {"9999999999999999999", "9999999999999999999"},
      {"18446744073709551616", "18446744073709551616"},
      {"-1.234567890123456788", "-308641972530864197/250000000000000000"},
      {"0.0000000000000000005", "1/2000000000000000000"},
      {"5E-20", "1/20000000000000000000"},
      {"125E16", "1250000000000000000"},
      {"5E18", "5000000000000000000"},
      {"25E18", "25000000000000000000"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    ASSERT_NE(ParseNumber(row.text, NumberFormat{}, ErrorSentinel()), ErrorSentinel());
    EXPECT_EQ(DecimalValue(row.text, NumberFormat{}), Rational(row.value));
  }
  // Far below the extended range: the value is still exact.
  Rational tiny(1, 4);
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10, 4998);
  tiny /= power;
  EXPECT_EQ(DecimalValue("2.5E-4999", NumberFormat{}), tiny);
  // The separator is the format's.
  EXPECT_EQ(DecimalValue("1,5", NumberFormat{','}), Rational(3, 2));
}

}  // namespace
}  // namespace pivora
