// Floating-point faults end a solve with the error text; underflow and
// inexact results pass; flags raised before a solve do not leak into it.
#include "solver/fp_error.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <limits>

#include "solver/arithmetic.h"
#include "solver/tests/solve_text.h"

namespace pivora::testing {
namespace {

std::string ErrorText(const std::string& problem) {
  try {
    SolveText(problem);
  } catch (const FloatingPointError& e) {
    return e.what();
  }
  return "no error";
}

TEST(FloatingPointFaults, RatioBeyondTheRangeIsAnOverflowNotAnUnboundedObjective) {
  // The ratio 1 / 1e-4940 exceeds the extended range.
  EXPECT_EQ(ErrorText("max\n1\n1e-4940 <= 1\n"), "Floating point overflow.");
}

TEST(FloatingPointFaults, OverflowInsideAnExchangeStep) {
  // Ratio 1, but the pivot row entry 1e4800 / 1e-200 overflows.
  EXPECT_EQ(ErrorText("max\n1 0\n1e-200 1e4800 <= 1e-200\n"), "Floating point overflow.");
}

TEST(FloatingPointFaults, NonFiniteProblemEntriesEndTheSolveBeforeAnyExchange) {
  auto problem = ParseProblem("max\n1 1\n1 1 <= 4\n");
  ASSERT_TRUE(problem);
  SolutionTable solutions;
  SolveStatus status = 99;
  const auto textWith = [&](int row, int col, Extended value) -> std::string {
    Tableau t = problem->tableau;
    t(row, col) = value;
    try {
      RunSimplex(t, 1, 2, solutions, status);
    } catch (const FloatingPointError& e) {
      return e.what();
    }
    return "no error";
  };
  const Extended inf = std::numeric_limits<Extended>::infinity();
  EXPECT_EQ(textWith(1, 3, inf), "Floating point overflow.");
  EXPECT_EQ(textWith(2, 1, -inf), "Floating point overflow.");
  EXPECT_EQ(textWith(1, 4, std::numeric_limits<Extended>::quiet_NaN()),
            "Invalid floating point operation.");
  EXPECT_EQ(textWith(1, 1, 1e4000L), "no error");
}

TEST(FloatingPointFaults, UnderflowAndInexactPassSilently) {
  const auto r = SolveText("max\n1\n3 <= 1e-4940\n");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->status, 1);
  EXPECT_GT(r->S(0, 1), 0.0L);
  // ... and leave the caller's flags as they were.
  SolutionTable solutions;
  SolveStatus status = 99;
  std::feclearexcept(FE_ALL_EXCEPT);
  RunSimplex(r->problem.tableau, 1, 1, solutions, status);
  EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0);
  std::feraiseexcept(FE_INEXACT);
  RunSimplex(r->problem.tableau, 1, 1, solutions, status);
  EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), FE_INEXACT);
}

TEST(FloatingPointFaults, EarlierFlagsDoNotLeakInAndTheCallersFlagsAreKept) {
  const auto fine = ParseProblem("max\n1 1\n1 1 <= 4\n");
  const auto overflowing = ParseProblem("max\n1\n1e-4940 <= 1\n");
  ASSERT_TRUE(fine && overflowing);
  SolutionTable solutions;
  SolveStatus status = 99;
  std::feclearexcept(FE_ALL_EXCEPT);
  std::feraiseexcept(FE_OVERFLOW | FE_INVALID);
  RunSimplex(fine->tableau, fine->m, fine->n, solutions, status);
  EXPECT_GE(status, 1);
  EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT & ~FE_INEXACT), FE_OVERFLOW | FE_INVALID);
  std::feclearexcept(FE_ALL_EXCEPT);
  EXPECT_THROW(RunSimplex(overflowing->tableau, 1, 1, solutions, status), FloatingPointError);
  EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT & ~FE_INEXACT), 0);
}

TEST(FloatingPointFaults, EachFlagHasItsText) {
  const auto textOf = [](auto operation) -> std::string {
    const FloatingPointScope scope;
    volatile Extended zero = 0.0L;
    volatile Extended huge = 1e4900L;
    operation(zero, huge);
    try {
      CheckFloatingPointFlags();
    } catch (const FloatingPointError& e) {
      return e.what();
    }
    return "no error";
  };
  EXPECT_EQ(textOf([](volatile Extended& z, volatile Extended&) { z = 1.0L / z; }),
            "Floating point division by zero.");
  EXPECT_EQ(textOf([](volatile Extended& z, volatile Extended&) { z = z / z; }),
            "Invalid floating point operation.");
  EXPECT_EQ(textOf([](volatile Extended&, volatile Extended& h) { h = h * h; }),
            "Floating point overflow.");
  EXPECT_EQ(textOf([](volatile Extended& z, volatile Extended& h) { z = 1e-4900L / h; }),
            "no error");
}

TEST(FloatingPointFaults, ConstantsAreTheStatedExtendedValues) {
  EXPECT_EQ(kSnapTolerance, std::strtold("1e-9", nullptr));
  EXPECT_LT(kRatioSentinel, std::strtold("1.7e308", nullptr));
  EXPECT_EQ(std::nextafter(kRatioSentinel, 2e308L), std::strtold("1.7e308", nullptr));
}

TEST(AlternativeComparison, RelativeToSolutionOneAndAnyNonZeroCountsWhereItIsZero) {
  EXPECT_TRUE(ExtendedArithmetic::Differs(0.0L, 1e-4000L));
  EXPECT_FALSE(ExtendedArithmetic::Differs(0.0L, -0.0L));
  EXPECT_FALSE(ExtendedArithmetic::Differs(1e20L, 1e20L + 1e10L));
  EXPECT_TRUE(ExtendedArithmetic::Differs(1e20L, 1e20L + 2e11L));
  EXPECT_TRUE(ExtendedArithmetic::Differs(-4.0L, 4.0L));
}

}  // namespace
}  // namespace pivora::testing
