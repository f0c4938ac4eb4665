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

}  // namespace
}  // namespace pivora
