#include "platform/int_parse.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct ParseCase {
  const char* text;
  int64_t value;
};

TEST(ParseInteger, TableOfTexts) {
  const ParseCase cases[] = {{"", 0},
                             {"abc", 0},
                             {"12", 12},
                             {"  \t 7", 7},
                             {"+5", 5},
                             {"-3", -3},
                             {"$A", 10},
                             {"$ff", 255},
                             {"-$10", -16},
                             {"%101", 5},
                             {"%102", 2},
                             {"03", 3},
                             {"12abc", 12},
                             {"1 2", 1},
                             {"$", 0},
                             {"%", 0},
                             {"-", 0},
                             {"$g", 0},
                             {"\n5", 0},
                             {"+-5", 0},
                             {"9223372036854775807", std::numeric_limits<int64_t>::max()},
                             {"-9223372036854775808", std::numeric_limits<int64_t>::min()},
                             // One past the 64-bit range wraps round.
                             {"9223372036854775808", std::numeric_limits<int64_t>::min()},
                             {"18446744073709551617", 1},
                             {"$10000000000000005", 5}};
  for (const auto& c : cases)
    EXPECT_EQ(platform::ParseInteger(c.text), c.value) << "text: \"" << c.text << "\"";
}

TEST(ParseInteger, ManyDigitsDoNotOverflowIntoUndefinedBehaviour) {
  const std::string digits(500, '9');
  (void)platform::ParseInteger(digits);  // the sanitizer build catches signed overflow
  (void)platform::ParseInteger("-" + digits);
}

TEST(StoredBits, Low8AndLow32) {
  EXPECT_EQ(platform::Low8(-1), 255);
  EXPECT_EQ(platform::Low8(256 + 7), 7);
  EXPECT_EQ(platform::Low32(0x1'0000'0005LL), 5);
  EXPECT_EQ(platform::Low32(-2), -2);
  EXPECT_EQ(platform::Low32(0xFFFF'FFFFLL), -1);
}

}  // namespace
