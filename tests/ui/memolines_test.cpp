// MemoLines against the plain way of reading what the box shows: lay out every
// block and read every QTextLine. MemoLines takes a short line of printable ASCII
// as one display line without laying it out, so the two must agree on every
// kind of text, in every font and at every width, next to the wrap width above all.

#include "memolines.h"
#include "shownmainform.h"
#include "tmainform.h"

#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

namespace {

// Every block laid out, every QTextLine read.
bcc::LineList laidOutLines(QPlainTextEdit &memo)
{
    auto *layout = qobject_cast<QPlainTextDocumentLayout *>(memo.document()->documentLayout());
    bcc::LineList lines;
    for (QTextBlock block = memo.document()->begin(); block.isValid(); block = block.next()) {
        layout->ensureBlockLayout(block);
        const QString text = block.text();
        for (int i = 0; i < block.layout()->lineCount(); ++i) {
            const QTextLine line = block.layout()->lineAt(i);
            QString shown = text.mid(line.textStart(), line.textLength());
            if (shown.endsWith(QChar::LineSeparator))
                shown.chop(1);
            lines.push_back(shown.toStdString());
        }
    }
    if (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}

// Where two line lists first differ, for the failure message.
QByteArray firstDifference(const bcc::LineList &actual, const bcc::LineList &expected)
{
    for (std::size_t i = 0; i < std::max(actual.size(), expected.size()); ++i) {
        const std::string got = i < actual.size() ? actual[i] : "(none)";
        const std::string want = i < expected.size() ? expected[i] : "(none)";
        if (got != want)
            return QByteArray("line ") + QByteArray::number(qulonglong(i)) + ": \"" + got.c_str()
                + "\" instead of \"" + want.c_str() + "\"";
    }
    return {};
}

// One block per length from 0 to maxLength, each the pattern repeated to that length.
QString linesOfEveryLength(const QString &pattern, int maxLength)
{
    QString text;
    for (int length = 0; length <= maxLength; ++length) {
        for (int i = 0; i < length; ++i)
            text += pattern.at(i % pattern.size());
        text += QLatin1Char('\n');
    }
    return text;
}

QString randomPrintableAscii(int length)
{
    QRandomGenerator random(static_cast<quint32>(length)); // the same text every run
    QString text;
    for (int i = 0; i < length; ++i)
        text += QChar(char16_t(random.bounded(0x20, 0x7F)));
    return text;
}

} // namespace

class MemoLinesTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void matchesEveryBlockLaidOut_data();
    void matchesEveryBlockLaidOut();
    void shortLinesOutOfViewAreNotLaidOut();
    void blocksEndedByFramesAreReadToo();

private:
    void compareAtEveryWidthAndFont(const QString &text);
    void compare(const QString &text, const QByteArray &setting);

    std::unique_ptr<TMainForm> form;
};

void MemoLinesTest::init()
{
    form = ShowMainForm();
    QVERIFY(form);
}

void MemoLinesTest::cleanup()
{
    form.reset();
}

void MemoLinesTest::matchesEveryBlockLaidOut_data()
{
    QTest::addColumn<QString>("text");

    // Lines shorter and longer than a display line, so that some fit, some wrap
    // and some just reach the wrap width, in wide, narrow and average characters.
    const int longest = 60;
    QTest::newRow("hex digits") << linesOfEveryLength("0123456789ABCDEF", longest);
    QTest::newRow("wide letters") << linesOfEveryLength("WM@W%m", longest);
    QTest::newRow("narrow letters") << linesOfEveryLength("il|.1'", longest);
    QTest::newRow("every printable character")
        << linesOfEveryLength(randomPrintableAscii(95), longest);
    QTest::newRow("words and spaces") << linesOfEveryLength("41 42  F3 ", longest);
    QTest::newRow("trailing spaces") << linesOfEveryLength("A3" + QString(40, u' '), longest);
    QTest::newRow("kerning pairs") << linesOfEveryLength("AVAWTyLTFAYv", longest);
    QTest::newRow("no line break at the end") << "41\n" + randomPrintableAscii(30);

    QTest::newRow("full-width digits") << linesOfEveryLength("０１２３４５", 30);
    QTest::newRow("kana and kanji") << linesOfEveryLength("あいう漢字カナ", 30);
    QTest::newRow("emoji outside the BMP") << linesOfEveryLength("😀🎉𠀀🙂", 30);
    QTest::newRow("emoji sequences") << linesOfEveryLength("👩‍💻🇯🇵👍🏽", 30);
    QTest::newRow("hebrew and arabic") << linesOfEveryLength("שלום 41 سلام", 40);
    QTest::newRow("right-to-left marks")
        << linesOfEveryLength("\u200F41\u200E42\u202E43\u202C", 40);
    QTest::newRow("combining accents") << linesOfEveryLength("e\u0301a\u0308", 40);
    QTest::newRow("no-break and soft hyphen") << linesOfEveryLength("41\u00A042\u00AD43", longest);
    QTest::newRow("tabs") << linesOfEveryLength("41\t4", 40);
    QTest::newRow("control characters")
        << linesOfEveryLength(QString::fromLatin1("4\0\x01\x1B\x7F", 5), 40);

    const QChar separator = QChar::LineSeparator;
    QTest::newRow("line separators") << QString("41") + separator + "42" + separator + separator
            + "\n" + separator + "\n" + randomPrintableAscii(50) + separator + "43";
    QTest::newRow("line separators in long lines")
        << linesOfEveryLength(QString("0123456789") + separator, longest);
    QTest::newRow("line separator at the end") << QString("41\n42") + separator;
}

void MemoLinesTest::matchesEveryBlockLaidOut()
{
    QFETCH(QString, text);
    compareAtEveryWidthAndFont(text);
}

void MemoLinesTest::compareAtEveryWidthAndFont(const QString &text)
{
    QPlainTextEdit &memo = *form->Memo1;
    const QFont fixed = memo.font();
    const QFont proportional = form->font();
    QFont large = proportional;
    large.setPointSize(20);
    // Spacing adds to every advance, which MemoLines must not overlook.
    QFont spaced = fixed;
    spaced.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    spaced.setWordSpacing(8);

    for (const QFont &font : {fixed, proportional, large, spaced}) {
        memo.setFont(font);
        for (const int width : {137, 60, 101, 173, 250}) {
            memo.resize(width, memo.height());
            compare(text, font.toString().toUtf8() + ", " + QByteArray::number(width) + " pixels");
            if (QTest::currentTestFailed())
                return;
        }
    }
    memo.setFont(fixed);

    // Qt's other ways of wrapping, and none.
    for (const auto mode :
        {QTextOption::WrapAtWordBoundaryOrAnywhere, QTextOption::WordWrap, QTextOption::NoWrap}) {
        memo.setWordWrapMode(mode);
        compare(text, "wrap mode " + QByteArray::number(mode));
        if (QTest::currentTestFailed())
            return;
    }
    memo.setLineWrapMode(QPlainTextEdit::NoWrap);
    compare(text, "no line wrap");
}

void MemoLinesTest::compare(const QString &text, const QByteArray &setting)
{
    QPlainTextEdit &memo = *form->Memo1;
    memo.setPlainText(text); // as after a paste: only the blocks in view laid out
    QCoreApplication::processEvents();
    const bcc::LineList fresh = MemoLines(memo);
    const bcc::LineList expected = laidOutLines(memo);
    QVERIFY2(fresh == expected, setting + ": " + firstDifference(fresh, expected));
    const bcc::LineList again = MemoLines(memo);
    QVERIFY2(again == expected, setting + ", again: " + firstDifference(again, expected));
}

void MemoLinesTest::shortLinesOutOfViewAreNotLaidOut()
{
    // Laying out a whole text of short lines is what made a click slow; the
    // lines need not be laid out to count them.
    QPlainTextEdit &memo = *form->Memo1;
    memo.setPlainText(linesOfEveryLength("0123456789ABCDEF", 8).repeated(100));
    QCoreApplication::processEvents();
    QCOMPARE(MemoLines(memo).size(), std::size_t(900));

    int laidOut = 0;
    for (QTextBlock block = memo.document()->begin(); block.isValid(); block = block.next())
        laidOut += block.layout()->lineCount() > 0 ? 1 : 0;
    QVERIFY2(laidOut < 100, QByteArray::number(laidOut) + " blocks laid out");
}

void MemoLinesTest::blocksEndedByFramesAreReadToo()
{
    // No paste can put a frame into a plain-text box, but a program can.
    QPlainTextEdit &memo = *form->Memo1;
    memo.setPlainText("41\n42\n" + randomPrintableAscii(40));
    QTextCursor cursor(memo.document());
    cursor.movePosition(QTextCursor::NextBlock);
    cursor.insertFrame(QTextFrameFormat());
    cursor.insertText("43");
    const bcc::LineList lines = MemoLines(memo);
    QCOMPARE(lines, laidOutLines(memo));
    QCOMPARE(lines.at(0), std::string("41"));
}

QTEST_MAIN(MemoLinesTest)
#include "memolines_test.moc"
