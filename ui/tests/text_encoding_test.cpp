#include "ui/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace pivora {
namespace {

TEST(TextEncoding, Latin1BecomesUtf8) {
  EXPECT_EQ(Latin1ToUtf8("L\xD6SUNG [\xB1"
                         "1] L\xF6sung"),
            "L\xC3\x96SUNG [\xC2\xB1"
            "1] L\xC3\xB6sung");
  EXPECT_EQ(Latin1ToUtf8("plain"), "plain");
}

TEST(TextEncoding, MessagesShowCellTextsSafelyOnOneLine) {
  EXPECT_EQ(QuotedForMessage("1,5"), "\"1,5\"");
  EXPECT_EQ(QuotedForMessage(std::string("1\0\r\n", 4)), "\"1\\x00\\x0D\\x0A\"");
  EXPECT_EQ(QuotedForMessage("\xE2\x89\xA4 \xE4 \"\\"), "\"\xE2\x89\xA4 \\xE4 \\\"\\\\\"");
  EXPECT_EQ(QuotedForMessage(std::string(100, '9'), 5), "\"99999\"... (100 bytes)");
  EXPECT_EQ(QuotedForMessage("\xEF\xBB\xBF"), "\"\\uFEFF\"");
  EXPECT_EQ(QuotedForMessage("1\xC2\xA0"
                             "5"),
            "\"1\\u00A05\"");
}

}  // namespace
}  // namespace pivora
