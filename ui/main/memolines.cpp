#include "memolines.h"

#include "asciilinefit.h"

#include <QCoreApplication>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>

namespace {

// Qt lays out a box only once it has been given its size, and that happens when
// it is first shown; before then its text would wrap at no width at all.
void ensureSized(QPlainTextEdit &memo)
{
    if (!memo.testAttribute(Qt::WA_PendingResizeEvent))
        return;
    QResizeEvent resize(memo.size(), memo.size());
    QCoreApplication::sendEvent(&memo, &resize);
    memo.setAttribute(Qt::WA_PendingResizeEvent, false);
}

// UTF-8 of the text; ASCII, the usual case, is copied without a detour.
std::string toUtf8(QStringView text)
{
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; })) {
        std::string bytes(static_cast<std::size_t>(text.size()), '\0');
        std::transform(text.begin(), text.end(), bytes.begin(),
            [](QChar c) { return static_cast<char>(c.unicode()); });
        return bytes;
    }
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// The display lines of a block as Qt lays them out, laying it out first if it
// is out of view and Qt has not done so yet.
void appendLaidOutLines(const QPlainTextDocumentLayout &layout, const QTextBlock &block,
    QStringView blockText, bcc::LineList &lines)
{
    if (!block.isValid())
        return;
    layout.ensureBlockLayout(block);
    const QTextLayout *textLayout = block.layout();
    for (int i = 0; i < textLayout->lineCount(); ++i) {
        const QTextLine line = textLayout->lineAt(i);
        QStringView shown = blockText.mid(line.textStart(), line.textLength());
        // Shift+Enter puts a line separator inside the block: it ends the line
        // and is not part of its text.
        if (shown.endsWith(QChar::LineSeparator))
            shown.chop(1);
        lines.push_back(toUtf8(shown));
    }
}

void dropFinalEmptyLine(bcc::LineList &lines)
{
    if (!lines.empty() && lines.back().empty())
        lines.pop_back();
}

// The slow, general way: one block after another.
bcc::LineList blockByBlock(const QPlainTextDocumentLayout &layout)
{
    bcc::LineList lines;
    for (QTextBlock block = layout.document()->begin(); block.isValid(); block = block.next())
        appendLaidOutLines(layout, block, block.text(), lines);
    dropFinalEmptyLine(lines);
    return lines;
}

} // namespace

bcc::LineList MemoLines(QPlainTextEdit &memo)
{
    ensureSized(memo);
    const QTextDocument *document = memo.document();
    const auto *layout = qobject_cast<QPlainTextDocumentLayout *>(document->documentLayout());
    Q_ASSERT(layout);
    const qsizetype asciiFit = AsciiLineFit(*layout);

    // Walking Qt's blocks one by one costs more than all the rest of a click, so
    // the blocks are read from one copy of the whole text, where each ends at a
    // paragraph separator; only those that need laying out are looked up.
    const QString text = document->toRawText();
    bcc::LineList lines;
    lines.reserve(
        static_cast<std::size_t>(std::max(document->blockCount(), document->lineCount())));
    int blockCount = 0;
    for (const QChar *start = text.cbegin();; ++start) {
        bool printable = true;
        const QChar *end = start;
        for (; end != text.cend() && *end != QChar::ParagraphSeparator; ++end)
            printable &= IsPrintableAscii(*end);
        const QStringView blockText(start, end);
        ++blockCount;
        // A short line of printable ASCII shows as one display line, laid out or not.
        if (printable && blockText.size() <= asciiFit) {
            lines.push_back(toUtf8(blockText));
        } else {
            const QTextBlock block = document->findBlock(static_cast<int>(start - text.cbegin()));
            appendLaidOutLines(*layout, block, blockText, lines);
        }
        start = end;
        if (start == text.cend())
            break;
    }
    // Only Qt's own structures, such as frames, could end a block otherwise.
    if (Q_UNLIKELY(blockCount != document->blockCount()))
        return blockByBlock(*layout);
    dropFinalEmptyLine(lines);
    return lines;
}
