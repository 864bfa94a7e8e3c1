#include "bcc.h"

#include <gtest/gtest.h>

namespace {

using bcc::ComputeBcc;
using bcc::LineList;

TEST(ComputeBccTest, SampleLinesGive61)
{
    const LineList lines {"03", "32", "A3", "F3", "20", "20"};
    EXPECT_EQ(ComputeBcc(lines), 0x61);
    EXPECT_EQ(bcc::FormatBcc(ComputeBcc(lines)), "61");
}

TEST(ComputeBccTest, FoldsLowBytesOfLineValues)
{
    const struct
    {
        LineList lines;
        std::uint8_t bcc;
    } cases[] = {
        {{}, 0x00},
        {{""}, 0x00},
        {{"", " 1", "0x12", "zz", "-5"}, 0x00},
        {{"5A"}, 0x5A},
        {{"1A3"}, 0xA3}, // only the low byte counts
        {{"FFFFFFFF"}, 0xFF}, // -1 contributes FF
        {{"12345678", "FF"}, 0x78 ^ 0xFF},
        {{"100000000", "42"}, 0x42}, // an overflowing line counts as 0
        {{"41", "xyz", "42", ""}, 0x41 ^ 0x42},
        {{"BAD"}, 0xAD}, // a word can be hex, too
        {{"0C", "03"}, 0x0F},
    };
    for (const auto &c : cases)
        EXPECT_EQ(int(ComputeBcc(c.lines)), int(c.bcc)) << testing::PrintToString(c.lines);
}

TEST(ComputeBccTest, RepeatedLineCancelsItsContribution)
{
    LineList lines {"03", "32", "A3"};
    const std::uint8_t before = ComputeBcc(lines);
    lines.push_back("5C");
    lines.push_back("5C");
    EXPECT_EQ(ComputeBcc(lines), before);
}

// Lines 0, 1, 2, ... hold the low byte of their index, so the expected BCC of
// any count is easy to compute independently of the table's block size.
LineList CountingLines(std::size_t count)
{
    LineList lines;
    lines.reserve(count);
    char text[3];
    for (std::size_t i = 0; i < count; ++i) {
        std::snprintf(text, sizeof text, "%02zX", i & 0xFF);
        lines.emplace_back(text);
    }
    return lines;
}

std::uint8_t XorOfIndexLowBytes(std::size_t count)
{
    std::uint8_t bcc = 0;
    for (std::size_t i = 0; i < count; ++i)
        bcc ^= static_cast<std::uint8_t>(i & 0xFF);
    return bcc;
}

class ComputeBccLongListTest : public testing::TestWithParam<std::size_t>
{
};

TEST_P(ComputeBccLongListTest, EveryLineCountsBeyondTheValueTable)
{
    const std::size_t count = GetParam();
    EXPECT_EQ(ComputeBcc(CountingLines(count)), XorOfIndexLowBytes(count));
}

INSTANTIATE_TEST_SUITE_P(AroundTableCapacity, ComputeBccLongListTest,
    testing::Values(bcc::ValueTableCapacity - 1, bcc::ValueTableCapacity,
        bcc::ValueTableCapacity + 1, 2 * bcc::ValueTableCapacity, 2 * bcc::ValueTableCapacity + 1,
        100'003));

TEST(ComputeBccTest, LineJustPastTheTableStillCounts)
{
    // 1,001 lines that cancel out, then one more: only the last line is left.
    LineList lines(bcc::ValueTableCapacity - 1, "77");
    lines.push_back("");
    lines.push_back("E4");
    EXPECT_EQ(ComputeBcc(lines), 0xE4);
}

} // namespace
