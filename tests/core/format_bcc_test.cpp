#include "bcc.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

TEST(FormatBccTest, WritesTwoUpperCaseHexCharactersPaddedWithSpace)
{
    const struct
    {
        std::uint8_t bcc;
        const char *text;
    } cases[] = {
        {0x00, " 0"},
        {0x05, " 5"},
        {0x0A, " A"},
        {0x0F, " F"},
        {0x10, "10"},
        {0x61, "61"},
        {0xA0, "A0"},
        {0xAB, "AB"},
        {0xFF, "FF"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(bcc::FormatBcc(c.bcc), c.text) << "bcc " << int(c.bcc);
}

TEST(FormatBccTest, MatchesPrintfTwoWideUpperHexForEveryByte)
{
    for (int value = 0; value <= 0xFF; ++value) {
        char expected[3];
        std::snprintf(expected, sizeof expected, "%2X", value);
        EXPECT_EQ(bcc::FormatBcc(static_cast<std::uint8_t>(value)), expected);
    }
}

} // namespace
