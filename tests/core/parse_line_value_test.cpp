#include "bcc.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct LineCase
{
    std::string_view line;
    std::int32_t value;
};

void PrintTo(const LineCase &c, std::ostream *os)
{
    *os << '"' << c.line << "\" -> " << c.value;
}

class ParseLineValueTest : public testing::TestWithParam<LineCase>
{
};

TEST_P(ParseLineValueTest, ReadsLineAsHexOrZero)
{
    EXPECT_EQ(bcc::ParseLineValue(GetParam().line), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(ValidLines, ParseLineValueTest,
    testing::Values(LineCase {"0", 0}, LineCase {"7", 7}, LineCase {"A3", 0xA3},
        LineCase {"a3", 0xA3}, LineCase {"aBcD", 0xABCD}, LineCase {"1A3", 0x1A3},
        LineCase {"0012345678", 0x12345678}, LineCase {"fedcba98", -0x01234568},
        LineCase {"7FFFFFFF", 0x7FFFFFFF}, LineCase {"80000000", INT32_MIN},
        LineCase {"FFFFFFFF", -1}, LineCase {"ffffffff", -1},
        // Leading zeros never overflow, however many.
        LineCase {"00000000A3", 0xA3}, LineCase {"000000000000000000000000FFFFFFFF", -1}));

INSTANTIATE_TEST_SUITE_P(InvalidLinesCountAsZero, ParseLineValueTest,
    testing::Values(LineCase {"", 0}, LineCase {" A3", 0}, LineCase {"A3 ", 0}, LineCase {"A 3", 0},
        LineCase {"\tA3", 0}, LineCase {"A3\r", 0}, LineCase {"0xA3", 0}, LineCase {"$A3", 0},
        LineCase {"A3h", 0}, LineCase {"+A3", 0}, LineCase {"-1", 0}, LineCase {"G", 0},
        LineCase {"g0", 0}, LineCase {std::string_view("A\0", 2), 0},
        // Full-width digits and other multi-byte characters, in UTF-8 and Shift-JIS.
        LineCase {"\xEF\xBC\x91", 0}, LineCase {"\x82\x50", 0}, LineCase {"A\xC3\xA9", 0},
        // Over 32 bits: a 1 followed by eight zeros needs 33.
        LineCase {"100000000", 0}, LineCase {"FFFFFFFFF", 0}, LineCase {"0123456789", 0},
        LineCase {"123456789ABCDEF0123", 0}));

} // namespace
