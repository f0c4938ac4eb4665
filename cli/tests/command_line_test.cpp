#include "cli/command_line.h"

#include <gtest/gtest.h>

namespace pivora {
namespace {

TEST(Input, IntegersForOptions) {
  int value = 0;
  EXPECT_TRUE(ParseInteger("12", value));
  EXPECT_EQ(value, 12);
  EXPECT_TRUE(ParseInteger("-4", value));
  EXPECT_EQ(value, -4);
  bool clamped = false;
  EXPECT_TRUE(ParseInteger("2147483647", value, &clamped));
  EXPECT_FALSE(clamped);
  EXPECT_TRUE(ParseInteger("+99999999999999999999", value, &clamped));
  EXPECT_EQ(value, 2147483647);
  EXPECT_TRUE(clamped);
  EXPECT_TRUE(ParseInteger("-2147483648", value, &clamped));
  EXPECT_FALSE(clamped);
  EXPECT_TRUE(ParseInteger("-2147483649", value, &clamped));
  EXPECT_TRUE(clamped);
  for (const char* text : {"", "-", "1.5", "3x", " 3", "0x10"}) {
    EXPECT_FALSE(ParseInteger(text, value)) << text;
  }
}

TEST(Input, SecondsForTheTimeLimit) {
  std::chrono::milliseconds limit{0};
  EXPECT_TRUE(ParseSeconds("10", limit));
  EXPECT_EQ(limit.count(), 10'000);
  EXPECT_TRUE(ParseSeconds("0.25", limit));
  EXPECT_EQ(limit.count(), 250);
  EXPECT_TRUE(ParseSeconds("86400.000", limit));
  EXPECT_EQ(limit.count(), 86'400'000);
  for (const char* text : {"", "0", "0.0001", "86400.001", "1e3", "-1", ".5", "5.", "1,5",
                           "99999999999999999999"}) {
    EXPECT_FALSE(ParseSeconds(text, limit)) << text;
  }
}

}  // namespace
}  // namespace pivora
