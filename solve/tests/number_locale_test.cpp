// Number text never depends on the locale: these tests set a locale whose
// decimal separator is a comma on purpose.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "solve/format_number.h"
#include "solve/number_format.h"
#include "solve/parse_number.h"
#include "solve/tests/same_bits.h"

namespace pivora {
namespace {

// Sets a locale for every category for its lifetime, then brings back the
// previous one.
class ScopedLocale {
 public:
  explicit ScopedLocale(const char* name) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    previous_ = previous != nullptr ? previous : "C";
    active_ = std::setlocale(LC_ALL, name) != nullptr;
  }
  ~ScopedLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
  ScopedLocale(const ScopedLocale&) = delete;
  ScopedLocale& operator=(const ScopedLocale&) = delete;
  bool Active() const { return active_; }

 private:
  std::string previous_;
  bool active_ = false;
};

constexpr const char* kCommaLocale = "de_DE.UTF-8";

TEST(NumberLocaleTest, TextIsTheSameUnderACommaLocale) {
  ScopedLocale german(kCommaLocale);
  if (!german.Active())
    GTEST_SKIP() << "the locale " << kCommaLocale
                 << " is not installed (scripts/install-deps.sh generates it when run as root)";
  ASSERT_STREQ(std::localeconv()->decimal_point, ",") << "the locale should use a comma";

  const NumberFormat solve = SolveNumberFormat();
  EXPECT_EQ(solve.decimalSeparator, '.');
  EXPECT_TRUE(SameBits(ParseNumber("-3.25e2", solve, 0.0L), -325.0L));
  EXPECT_TRUE(SameBits(ParseNumber("0.1", solve, 0.0L), 0.1L));
  EXPECT_TRUE(SameBits(ParseNumber("1,5", solve, 9.0L), 9.0L)) << "a comma is never accepted";
  EXPECT_TRUE(SameBits(ParseNumber("1.000", solve, 9.0L), 1.0L)) << "nor a point read as grouping";
  EXPECT_EQ(FormatGeneral(2.0L / 3.0L, 10, 2, solve), "0.6666666667");
  EXPECT_EQ(FormatGeneral(1234567.0L, 15, 2, solve), "1234567") << "no grouping";
  EXPECT_EQ(FormatGeneral(-1234.0L, 3, 2, solve), "-1.23E03");
  for (int k = 1; k <= 50; ++k) EXPECT_EQ(FormatWhole(k), std::to_string(k));
  EXPECT_EQ(FormatWhole(123456789012345.0L), "123456789012345");
}

}  // namespace
}  // namespace pivora
