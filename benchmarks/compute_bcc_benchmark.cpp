// Throughput of ComputeBcc on lists of the sizes users paste.

#include "bcc.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

bcc::LineList HexLines(std::size_t count, int digits)
{
    bcc::LineList lines;
    lines.reserve(count);
    char text[16];
    std::uint32_t value = 0x12345678;
    for (std::size_t i = 0; i < count; ++i) {
        value = value * 1664525u + 1013904223u; // varied digits, same every run
        std::snprintf(
            text, sizeof text, "%0*X", digits, digits == 8 ? value : value >> (32 - 4 * digits));
        lines.emplace_back(text);
    }
    return lines;
}

void BM_ComputeBcc(benchmark::State &state, int digits)
{
    const bcc::LineList lines = HexLines(static_cast<std::size_t>(state.range(0)), digits);
    for (auto _ : state)
        benchmark::DoNotOptimize(bcc::ComputeBcc(lines));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK_CAPTURE(BM_ComputeBcc, two_digit_lines, 2)->Arg(1001)->Arg(1'000'000);
BENCHMARK_CAPTURE(BM_ComputeBcc, eight_digit_lines, 8)->Arg(1'000'000);

} // namespace
