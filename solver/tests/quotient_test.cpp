#include "solver/quotient.h"

#include <gtest/gtest.h>

namespace pivora {
namespace {

// 3^20000, about 31,700 bits: a common factor that leaves the value as it is
// and the leading bits of numerator and denominator no help.
mpz_class LongFactor() {
  mpz_class k;
  mpz_ui_pow_ui(k.get_mpz_t(), 3, 20000);
  return k;
}

// Values equal in other terms, or a unit in the 31,700th bit apart, where
// the leading bits tie: Compare orders them as their reduced fractions do,
// either way round.
TEST(Quotient, ComparesExactlyWhereTheLeadingBitsTie) {
  const mpz_class k = LongFactor();
  const struct {
    const char* name;
    Quotient a;
    Quotient b;
    int order;
  } rows[] = {
      {"equal in other terms", Quotient(7 * k, 3 * k), Quotient(7, 3), 0},
      {"a unit above", Quotient(7 * k + 1, 3 * k), Quotient(7, 3), 1},
      {"a unit below", Quotient(7 * k - 1, 3 * k), Quotient(7, 3), -1},
      {"negative, a unit below", Quotient(-7 * k - 1, 3 * k), Quotient(-7, 3), -1},
      {"the denominator's sign", Quotient(7 * k, -3 * k), Quotient(-7, 3), 0},
      {"a third apart", Quotient(1, k), Quotient(1, 3 * k), 1},
      {"0 in any terms", Quotient(0, k), Quotient(0, 1), 0},
      {"0 below a tiny positive", Quotient(0, 1), Quotient(1, k), -1},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Compare(row.a, row.b), row.order) << row.name;
    EXPECT_EQ(Compare(row.b, row.a), -row.order) << row.name;
    EXPECT_EQ(cmp(Reduced(row.a), Reduced(row.b)) <=> 0, row.order <=> 0) << row.name;
    EXPECT_EQ(NearestExtended(row.a), NearestExtended(Reduced(row.a))) << row.name;
  }
}

}  // namespace
}  // namespace pivora
