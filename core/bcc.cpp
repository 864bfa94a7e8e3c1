#include "bcc.h"

#include <algorithm>
#include <array>

namespace bcc {

namespace {

// Marks a byte that is not a hexadecimal digit. Its high bit survives OR-ing a
// line's digit values together, while the low four bits still give the digit.
constexpr std::uint8_t NotADigit = 0x80;

constexpr std::array<std::uint8_t, 256> DigitValues = [] {
    std::array<std::uint8_t, 256> values {};
    values.fill(NotADigit);
    for (std::uint8_t i = 0; i < 10; ++i)
        values['0' + i] = i;
    for (std::uint8_t i = 0; i < 6; ++i) {
        values['A' + i] = static_cast<std::uint8_t>(10 + i);
        values['a' + i] = static_cast<std::uint8_t>(10 + i);
    }
    return values;
}();

constexpr std::size_t DigitsThatAlwaysFit = 8; // eight hex digits never exceed 32 bits

inline std::uint8_t digitValue(char c)
{
    return DigitValues[static_cast<unsigned char>(c)];
}

} // namespace

std::int32_t ParseLineValue(std::string_view line)
{
    if (line.empty())
        return 0;

    std::uint32_t value = 0;
    if (line.size() <= DigitsThatAlwaysFit) {
        // The common case, without a branch per character: collect the digits
        // and look at the not-a-digit marks once at the end.
        std::uint8_t marks = 0;
        for (const char c : line) {
            const std::uint8_t digit = digitValue(c);
            marks |= digit;
            value = value * 16 + (digit & 0x0F);
        }
        if (marks & NotADigit)
            return 0;
    } else {
        for (const char c : line) {
            const std::uint8_t digit = digitValue(c);
            if (digit == NotADigit || value > 0x0FFFFFFF)
                return 0;
            value = value * 16 + digit;
        }
    }
    // Two's complement wrap-around, so "FFFFFFFF" reads as -1.
    return static_cast<std::int32_t>(value);
}

std::uint8_t ComputeBcc(std::span<const std::string> lines)
{
    // Filled by the parse pass, read by the fold pass, one table-full of lines at
    // a time; entries past the current block are never read.
    std::array<std::int32_t, ValueTableCapacity> valueTable;
    std::uint8_t bcc = 0;

    while (!lines.empty()) {
        const std::size_t count = std::min(lines.size(), ValueTableCapacity);
        for (std::size_t k = 0; k < count; ++k)
            valueTable[k] = ParseLineValue(lines[k]);
        for (std::size_t k = 0; k < count; ++k)
            bcc ^= static_cast<std::uint8_t>(valueTable[k] & 0xFF);
        lines = lines.subspan(count);
    }
    return bcc;
}

std::string FormatBcc(std::uint8_t bcc)
{
    constexpr char HexDigits[] = "0123456789ABCDEF";
    const char high = bcc >= 0x10 ? HexDigits[bcc >> 4] : ' ';
    return {high, HexDigits[bcc & 0x0F]};
}

} // namespace bcc
