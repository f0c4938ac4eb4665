#include "cli/lazy_library.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli/command_line.h"

// A library that is not there, and libm's scalbln: the stub of a library's
// first call must pass on a floating-point and an integer argument that the
// load in between would otherwise overwrite.
#define PIVORA_MISSING_FUNCTIONS(F, id) F(id, pivora_function_of_a_missing_library)
PIVORA_LAZY_LIBRARY(missing, "libpivora-fehlt.so.0", PIVORA_MISSING_FUNCTIONS);
#define PIVORA_MATH_FUNCTIONS(F, id) F(id, scalbln)
PIVORA_LAZY_LIBRARY(math, "libm.so.6", PIVORA_MATH_FUNCTIONS);

extern "C" int pivora_function_of_a_missing_library();
extern "C" double scalbln(double x, long exponent);

namespace pivora {
namespace {

TEST(LazyLibrary, TheFirstCallReachesTheFunctionWithItsArguments) {
  volatile double x = 0.75;
  volatile long exponent = 5;
  EXPECT_EQ(scalbln(x, exponent), 24.0);
  EXPECT_EQ(scalbln(x, -2), 0.1875);
}

TEST(LazyLibrary, AMissingLibraryEndsTheProgramWithAGermanMessage) {
  EXPECT_EXIT(pivora_function_of_a_missing_library(),
              testing::ExitedWithCode(static_cast<int>(ExitCode::kLibraryMissing)),
              "Die Bibliothek libpivora-fehlt.so.0, die diese Rechnung braucht, fehlt oder "
              "l\u00e4sst sich nicht laden");
}

}  // namespace
}  // namespace pivora
