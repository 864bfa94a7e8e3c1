// Checks the arithmetic against properties that hold for any input: the input
// is split at '\n' into a line list, so it exercises single lines and lists
// longer than the value table alike.

#include "bcc.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "property violated: %s\n", what);
        std::abort();
    }
}

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// A line is valid exactly when it is a non-empty run of hex digits worth at most
// 0xFFFFFFFF, and then its value is that number; otherwise it counts as 0.
std::int32_t referenceValue(std::string_view line)
{
    if (line.empty())
        return 0;
    for (const char c : line)
        if (!isHexDigit(c))
            return 0;
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), value, 16);
    if (error != std::errc() || end != line.data() + line.size() || value > 0xFFFFFFFF)
        return 0;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

bcc::LineList splitLines(std::string_view text)
{
    bcc::LineList lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string_view::npos; start = end + 1)
        lines.emplace_back(text.substr(start, end - start));
    lines.emplace_back(text.substr(start));
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const bcc::LineList lines = splitLines(text);

    std::uint8_t expected = 0;
    for (const std::string &line : lines) {
        const std::int32_t value = bcc::ParseLineValue(line);
        check(value == referenceValue(line), "line value matches the hex rule");
        expected ^= static_cast<std::uint8_t>(value & 0xFF);
    }

    const std::uint8_t bcc = bcc::ComputeBcc(lines);
    check(bcc == expected, "BCC is the XOR of the lines' low bytes");

    const std::span<const std::string> allButLast(lines.data(), lines.size() - 1);
    const auto lastLowByte = static_cast<std::uint8_t>(bcc::ParseLineValue(lines.back()) & 0xFF);
    check(bcc == (bcc::ComputeBcc(allButLast) ^ lastLowByte),
        "appending a line XORs in its low byte");

    const std::string resultText = bcc::FormatBcc(bcc);
    char printed[3];
    std::snprintf(printed, sizeof printed, "%2X", bcc);
    check(resultText == printed, "result text is printf's %2X");

    bcc::LineList twice = lines;
    twice.insert(twice.end(), lines.begin(), lines.end());
    check(bcc::ComputeBcc(twice) == 0, "a list followed by itself has BCC 0");
    return 0;
}
