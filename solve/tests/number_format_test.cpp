#include "solve/number_format.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "solver/fp_environment.h"
#include "solve/power_tables.h"
#include "solve/tests/same_bits.h"

namespace pivora {
namespace {

// glibc's strtold rounds correctly to nearest, an independent check of the
// compiler's literals; the test runs in the "C" locale and rounds to nearest.
Extended NearestPowerOfTen(int n) {
  const std::string text = "1e" + std::to_string(n);
  return std::strtold(text.c_str(), nullptr);
}

TEST(PowerTablesTest, EveryEntryIsTheNearestExtendedValue) {
  for (int i = 0; i < 32; ++i)
    EXPECT_TRUE(SameBits(kTenToThe[i], NearestPowerOfTen(i))) << "10^" << i;
  for (int j = 1; j < 16; ++j)
    EXPECT_TRUE(SameBits(kTenToThe32Times[j], NearestPowerOfTen(32 * j))) << "10^" << 32 * j;
  for (int k = 1; k < 10; ++k)
    EXPECT_TRUE(SameBits(kTenToThe512Times[k], NearestPowerOfTen(512 * k))) << "10^" << 512 * k;
}

TEST(PowerTablesTest, EntriesAreExactUpTo10To27) {
  for (int i = 1; i <= 27; ++i) {
    std::feclearexcept(FE_INEXACT);
    Extended product = kTenToThe[i - 1] * 10;
    ExposeToFlagTest(product);
    EXPECT_EQ(std::fetestexcept(FE_INEXACT), 0) << "10^" << i;
    EXPECT_EQ(product, kTenToThe[i]);
  }
  Extended product = kTenToThe[27] * 10;
  ExposeToFlagTest(product);
  EXPECT_NE(std::fetestexcept(FE_INEXACT), 0) << "10^28 needs 65 significant bits";
}

TEST(ScaleByPowerOfTenTest, BoundsAndIdentity) {
  const Extended inf = std::numeric_limits<Extended>::infinity();
  EXPECT_EQ(ScaleByPowerOfTen(3.5L, 0), 3.5L);
  EXPECT_EQ(ScaleByPowerOfTen(1.0L, 5120), inf);
  EXPECT_EQ(ScaleByPowerOfTen(-1.0L, 9999), -inf);
  EXPECT_TRUE(SameBits(ScaleByPowerOfTen(-1.0L, -5120), 0.0L)) << "x is dropped, sign and all";
  EXPECT_TRUE(SameBits(ScaleByPowerOfTen(1e4000L, INT_MIN), 0.0L));
  EXPECT_EQ(ScaleByPowerOfTen(1.0L, 5119), inf) << "10^5119 overflows in the last step";
}

// 10^543 = 10^31 * 10^0 (skipped) * 10^512 and 10^-50 = 1/10^18/10^32: the
// steps run from the smallest factor up, each rounded on its own.
TEST(ScaleByPowerOfTenTest, AppliesTheTablesInOrder) {
  Extended up = 7.0L * kTenToThe[31];
  up = up * kTenToThe512Times[1];
  EXPECT_TRUE(SameBits(ScaleByPowerOfTen(7.0L, 543), up));
  Extended down = 3.0L / kTenToThe[18];
  down = down / kTenToThe32Times[1];
  EXPECT_TRUE(SameBits(ScaleByPowerOfTen(3.0L, -50), down));
  EXPECT_TRUE(SameBits(ScaleByPowerOfTen(1.0L, -50), std::nextafter(1e-50L, 0.0L)));
}

TEST(ArithmeticModeTest, TheStandingPrecisionIs64Bits) { EXPECT_EQ(X87PrecisionControl(), 3); }

TEST(ArithmeticModeTest, TheParsingModeSetsAndRestoresPrecisionAndRounding) {
  SetX87PrecisionControl(2);
  std::fesetround(FE_DOWNWARD);
  int inside = 0;
  int insideRounding = 0;
  {
    ParsingMode mode;
    inside = X87PrecisionControl();
    insideRounding = std::fegetround();
  }
  const int after = X87PrecisionControl();
  const int afterRounding = std::fegetround();
  SetX87PrecisionControl(3);
  std::fesetround(FE_TONEAREST);
  EXPECT_EQ(inside, 3);
  EXPECT_EQ(insideRounding, FE_TONEAREST);
  EXPECT_EQ(after, 2);
  EXPECT_EQ(afterRounding, FE_DOWNWARD);
}

TEST(NumberFormatTest, TheSolveCommandAlwaysUsesAPoint) {
  EXPECT_EQ(SolveNumberFormat().decimalSeparator, '.');
}

}  // namespace
}  // namespace pivora
