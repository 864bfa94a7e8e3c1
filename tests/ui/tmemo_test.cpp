// The text box's paste, as a user does it: the clipboard, Ctrl+V, then editing and
// undo. It must leave the box exactly as Qt's own QPlainTextEdit would.

#include "tmainform.h"
#include "tmemo.h"

#include <QClipboard>
#include <QMimeData>
#include <QTest>

namespace {

// Puts text/plain on the clipboard, and Markdown first where given.
void setClipboard(const QString &text, const QByteArray &markdown = {})
{
    auto *mime = new QMimeData; // the clipboard owns it
    if (!markdown.isNull())
        mime->setData(QStringLiteral("text/markdown"), markdown);
    mime->setText(text);
    QGuiApplication::clipboard()->setMimeData(mime);
}

// Selects as asked, then presses Ctrl+V.
void paste(QPlainTextEdit &box, const QString &before, int anchor, int position)
{
    box.setPlainText(before);
    QTextCursor cursor = box.textCursor();
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
}

} // namespace

class TMemoTest : public QObject
{
    Q_OBJECT

private slots:
    void pastesAsQtDoes_data();
    void pastesAsQtDoes();
    void pasteIsOneUndoStep();
    void keepsMarkdownAsTyped();
    void readOnlyBoxIgnoresPaste();
    void mainFormUsesIt();
};

void TMemoTest::pastesAsQtDoes_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("pasted");

    const QString sample = QStringLiteral("03\n32\nA3\nF3\n20\n20");
    const int end = int(sample.size());
    QTest::newRow("over everything") << sample << 0 << end << "01\n02\n03";
    QTest::newRow("at the end, no selection") << sample << end << end << "\n7F";
    QTest::newRow("inside a line") << sample << 4 << 4 << "1\n2";
    QTest::newRow("over part of two lines") << sample << 7 << 1 << "FF";
    QTest::newRow("into an empty box") << "" << 0 << 0 << "41\n42\n";
    QTest::newRow("Windows line ends") << sample << 0 << end << "01\r\n02\r\n";
    QTest::newRow("old Mac line ends") << sample << 0 << end << "01\r02\r";
    QTest::newRow("paragraph and line separators") << sample << 0 << end << "01\u202902\u202803";
    QTest::newRow("tabs, NUL and emoji")
        << sample << 0 << end << QString::fromUtf8("\t41\0\n😀\n", 10);
    QTest::newRow("right-to-left mark") << sample << 0 << end << "\u200F41\n";
    QTest::newRow("nothing") << sample << 0 << end << "";
}

void TMemoTest::pastesAsQtDoes()
{
    QFETCH(QString, before);
    QFETCH(int, anchor);
    QFETCH(int, position);
    QFETCH(QString, pasted);
    setClipboard(pasted);

    TMemo memo;
    QPlainTextEdit qt;
    paste(memo, before, anchor, position);
    paste(qt, before, anchor, position);

    QCOMPARE(memo.toPlainText(), qt.toPlainText());
    QCOMPARE(memo.blockCount(), qt.blockCount());
    QCOMPARE(memo.textCursor().position(), qt.textCursor().position());
    QCOMPARE(memo.textCursor().anchor(), qt.textCursor().anchor());
}

void TMemoTest::pasteIsOneUndoStep()
{
    TMemo memo;
    setClipboard(QStringLiteral("0A\n0B\n0C\n"));
    paste(memo, QStringLiteral("01\n02"), 0, 5);
    QCOMPARE(memo.toPlainText(), QStringLiteral("0A\n0B\n0C\n"));

    // Typing goes on after the pasted text, and undoes apart from it.
    QTest::keyClicks(&memo, QStringLiteral("FF"));
    QCOMPARE(memo.toPlainText(), QStringLiteral("0A\n0B\n0C\nFF"));
    QTest::keyClick(&memo, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(memo.toPlainText(), QStringLiteral("0A\n0B\n0C\n"));
    QTest::keyClick(&memo, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(memo.toPlainText(), QStringLiteral("01\n02"));
    QTest::keyClick(&memo, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(memo.toPlainText(), QStringLiteral("0A\n0B\n0C\n"));
}

void TMemoTest::keepsMarkdownAsTyped()
{
    // Copied from an editor that also offers Markdown: the box still holds the
    // characters themselves, list markers and all.
    const QString text = QStringLiteral("1. 0A\n* 0B\n**0C**");
    setClipboard(text, text.toUtf8());
    TMemo memo;
    paste(memo, QString(), 0, 0);
    QCOMPARE(memo.toPlainText(), text);
}

void TMemoTest::readOnlyBoxIgnoresPaste()
{
    setClipboard(QStringLiteral("0A"));
    TMemo memo;
    memo.setReadOnly(true);
    paste(memo, QStringLiteral("01"), 0, 2);
    QCOMPARE(memo.toPlainText(), QStringLiteral("01"));
}

void TMemoTest::mainFormUsesIt()
{
    TMainForm form;
    QVERIFY(qobject_cast<TMemo *>(form.Memo1));
}

QTEST_MAIN(TMemoTest)
#include "tmemo_test.moc"
