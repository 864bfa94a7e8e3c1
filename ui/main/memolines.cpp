#include "memolines.h"

#include <QCoreApplication>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QTextBlock>
#include <QTextLayout>

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

} // namespace

bcc::LineList MemoLines(QPlainTextEdit &memo)
{
    ensureSized(memo);
    const QTextDocument *document = memo.document();
    auto *layout = qobject_cast<QPlainTextDocumentLayout *>(document->documentLayout());

    bcc::LineList lines;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        // Blocks outside the view are laid out lazily; lay them out now.
        layout->ensureBlockLayout(block);
        const QTextLayout *textLayout = block.layout();
        const QString text = block.text();
        for (int i = 0; i < textLayout->lineCount(); ++i) {
            const QTextLine line = textLayout->lineAt(i);
            QStringView shown = QStringView(text).mid(line.textStart(), line.textLength());
            // Shift+Enter puts a line separator inside the block: it ends the line
            // and is not part of its text.
            if (shown.endsWith(QChar::LineSeparator))
                shown.chop(1);
            lines.push_back(shown.toUtf8().toStdString());
        }
    }
    if (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}
