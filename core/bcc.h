#pragma once

// The block check character (BCC) of a block of bytes typed as hexadecimal
// numbers, one per line: the exclusive-or of the low bytes of the lines' values.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace bcc {

// The lines of the text box, in order, each without its line break.
using LineList = std::vector<std::string>;

// Number of line values the value table holds; the computation works through a
// longer list one table-full at a time.
inline constexpr std::size_t ValueTableCapacity = 1001;

// The value of one line read as a hexadecimal number: a non-empty run of the
// digits 0-9, A-F and a-f worth at most 0xFFFFFFFF, its 32 bits taken as signed
// (so "FFFFFFFF" is -1). Any other line, blanks and prefixes included, is 0.
std::int32_t ParseLineValue(std::string_view line);

// The exclusive-or of the low bytes of the values of all lines; 0 for no lines.
std::uint8_t ComputeBcc(std::span<const std::string> lines);

// The BCC as two characters of upper-case hexadecimal, right-aligned with a
// space in front of a single digit: " 0", " A", "61", "FF".
std::string FormatBcc(std::uint8_t bcc);

} // namespace bcc
