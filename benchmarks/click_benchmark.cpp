// Click to caption on the real main window, on the offscreen platform: reading the
// display lines of the text box, ComputeBcc, FormatBcc and the new caption.
//
// "LaidOut" clicks a box whose blocks Qt has all laid out, as after scrolling
// through the text; "Fresh" clicks right after the text was set, as a user
// clicks right after a paste, when Qt has laid out only the blocks in view.

#include "fontsubstitutes.h"
#include "memolines.h"
#include "tmainform.h"
#include "tmemo.h"

#include <QApplication>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

TMainForm *form = nullptr;

// Two-digit lines "01", "02", ... as a user pastes them from a dump.
QString twoDigitLines(int count)
{
    constexpr char HexDigits[] = "0123456789ABCDEF";
    QString text(3 * count, QLatin1Char('\n'));
    QChar *out = text.data();
    for (int i = 1; i <= count; ++i, out += 3) {
        out[0] = QLatin1Char(HexDigits[(i >> 4) & 0xF]);
        out[1] = QLatin1Char(HexDigits[i & 0xF]);
    }
    return text;
}

void setText(const QString &text)
{
    form->Memo1->setPlainText(text);
    QCoreApplication::processEvents(); // the box repaints, laying out the blocks in view
}

// As after scrolling through the whole text.
void layOutEveryBlock()
{
    const QTextDocument *document = form->Memo1->document();
    const auto *layout = qobject_cast<QPlainTextDocumentLayout *>(document->documentLayout());
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        layout->ensureBlockLayout(block);
}

void click(benchmark::State &state)
{
    form->Button1->click();
    if (form->windowTitle().size() != 2)
        state.SkipWithError("the caption is not a BCC");
}

// Heap the line list of one click takes, and what the click leaves behind, per line.
void countMemory(benchmark::State &state)
{
    const std::size_t before = mallinfo2().uordblks;
    std::size_t lineCount = 0;
    std::size_t during = 0;
    {
        const bcc::LineList lines = MemoLines(*form->Memo1);
        lineCount = lines.size();
        during = mallinfo2().uordblks;
    }
    const std::size_t after = mallinfo2().uordblks;
    const auto perLine = [&](std::size_t bytes) {
        return static_cast<double>(static_cast<std::ptrdiff_t>(bytes - before))
            / static_cast<double>(std::max<std::size_t>(lineCount, 1));
    };
    state.counters["list_B/line"] = perLine(during);
    state.counters["kept_B/line"] = perLine(after);
}

void BM_ClickLaidOut(benchmark::State &state)
{
    const int count = static_cast<int>(state.range(0));
    setText(twoDigitLines(count));
    layOutEveryBlock();
    for (auto _ : state)
        click(state);
    state.SetItemsProcessed(state.iterations() * count);
    countMemory(state);
}

void BM_ClickFresh(benchmark::State &state)
{
    const int count = static_cast<int>(state.range(0));
    const QString text = twoDigitLines(count);
    for (auto _ : state) {
        state.PauseTiming();
        setText(text);
        state.ResumeTiming();
        click(state);
    }
    state.SetItemsProcessed(state.iterations() * count);
    setText(text);
    countMemory(state);
}

// One line of a mebibyte of hex digits without a space, wrapped anywhere.
void BM_ClickLongLine(benchmark::State &state)
{
    setText(QString(static_cast<qsizetype>(state.range(0)), u'7'));
    form->Button1->click();
    const std::size_t lineCount = MemoLines(*form->Memo1).size();
    for (auto _ : state)
        click(state);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lineCount));
    state.counters["display_lines"] = static_cast<double>(lineCount);
    countMemory(state);
}

BENCHMARK(BM_ClickLaidOut)->Arg(1001)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
// Setting the text takes far longer than the click: a fixed number of rounds
// keeps the run short.
BENCHMARK(BM_ClickFresh)->Arg(1001)->Iterations(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClickFresh)->Arg(100'000)->Iterations(30)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClickFresh)->Arg(1'000'000)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClickLongLine)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    InstallFontSubstitutes();
    TMainForm mainForm;
    mainForm.show();
    QCoreApplication::processEvents();
    form = &mainForm;

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
