// The main window as a user meets it, on the offscreen platform: shown at its
// real size, clicked and typed into with synthetic mouse and key events.

#include "memolines.h"
#include "shownmainform.h"
#include "tmainform.h"

#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

// "01", "02", ..., cycling through the bytes; the XOR of their values.
QString countingLines(int count, std::uint8_t *bcc)
{
    QString text;
    *bcc = 0;
    for (int i = 1; i <= count; ++i) {
        text += QString::asprintf("%02X\n", i & 0xFF);
        *bcc ^= static_cast<std::uint8_t>(i & 0xFF);
    }
    return text;
}

} // namespace

class TMainFormTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensWithSampleLinesAndCaption();
    void isFixedSizeWithCloseBoxOnly();
    void asksForJapaneseGothicFonts();
    void buttonHasFocusAndTabMovesIt();

    void clickShowsBccOfLines_data();
    void clickShowsBccOfLines();
    void clickingTwiceKeepsTheCaption();
    void enterAndSpaceOnButtonPressIt();
    void escapeDoesNotClose();
    void typedLinesCount();

    void wrappedLineCountsAsItsDisplayLines();
    void moreLinesThanTheValueTable();
    void linesOfAnUnshownBoxAreNotWrappedAtZeroWidth();

private:
    void setText(const QString &text);
    void click();

    std::unique_ptr<TMainForm> form;
};

void TMainFormTest::init()
{
    form = ShowMainForm();
    QVERIFY(form);
}

void TMainFormTest::cleanup()
{
    form.reset();
}

void TMainFormTest::setText(const QString &text)
{
    form->Memo1->setPlainText(text);
}

void TMainFormTest::click()
{
    QTest::mouseClick(form->Button1, Qt::LeftButton);
}

void TMainFormTest::opensWithSampleLinesAndCaption()
{
    QCOMPARE(form->windowTitle(), QStringLiteral("BCCチェック"));
    QCOMPARE(form->Button1->text(), QStringLiteral("BCC演算"));
    QCOMPARE(form->Memo1->toPlainText(), QStringLiteral("03\n32\nA3\nF3\n20\n20"));
    QCOMPARE(MemoLines(*form->Memo1), (bcc::LineList {"03", "32", "A3", "F3", "20", "20"}));
}

void TMainFormTest::isFixedSizeWithCloseBoxOnly()
{
    QCOMPARE(form->size(), QSize(242, 382));
    QCOMPARE(form->minimumSize(), form->maximumSize());
    QCOMPARE(form->Button1->geometry(), QRect(152, 8, 75, 25));
    QCOMPARE(form->Memo1->geometry(), QRect(8, 8, 137, 361));

    const Qt::WindowFlags flags = form->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Window);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(form->Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(form->Memo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

void TMainFormTest::asksForJapaneseGothicFonts()
{
    const QFontInfo windowFont(form->font());
    const QFontInfo buttonFont(form->Button1->font());
    const QFontInfo memoFont(form->Memo1->font());

    QCOMPARE(form->font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
    QCOMPARE(form->Memo1->font().family(), QStringLiteral("ＭＳ ゴシック"));
    QCOMPARE(windowFont.family(), QStringLiteral("IPAPGothic"));
    QCOMPARE(buttonFont.family(), QStringLiteral("IPAPGothic"));
    QCOMPARE(memoFont.family(), QStringLiteral("IPAGothic"));
    // Fontconfig calls a font with half- and full-width glyphs "dual" rather than
    // monospaced, so compare advances: equal in the text box, varied on the button.
    const QFontMetrics memoMetrics(form->Memo1->font());
    const QFontMetrics buttonMetrics(form->Button1->font());
    QCOMPARE(memoMetrics.horizontalAdvance(QLatin1Char('i')),
        memoMetrics.horizontalAdvance(QLatin1Char('W')));
    QCOMPARE(memoMetrics.horizontalAdvance(QLatin1Char('0')), 6);
    QVERIFY(buttonMetrics.horizontalAdvance(QLatin1Char('i'))
        < buttonMetrics.horizontalAdvance(QLatin1Char('W')));
    // 12 pixels high on a 96 dpi screen.
    QCOMPARE(form->logicalDpiY(), 96);
    QCOMPARE(buttonFont.pixelSize(), 12);
    QCOMPARE(memoFont.pixelSize(), 12);
}

void TMainFormTest::buttonHasFocusAndTabMovesIt()
{
    QCOMPARE(QApplication::focusWidget(), form->Button1);
    QTest::keyClick(form->Button1, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form->Memo1);
    // Tab in the text box moves on rather than inserting a tab.
    QTest::keyClick(form->Memo1, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form->Button1);
    QVERIFY(!form->Memo1->toPlainText().contains(QLatin1Char('\t')));
}

void TMainFormTest::clickShowsBccOfLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");

    QTest::newRow("sample lines") << "03\n32\nA3\nF3\n20\n20"
                                  << "61";
    QTest::newRow("trailing line break adds no line") << "03\n32\nA3\nF3\n20\n20\n"
                                                      << "61";
    QTest::newRow("empty box") << ""
                               << " 0";
    QTest::newRow("only a line break") << "\n"
                                       << " 0";
    QTest::newRow("all lines invalid") << "xyz\n 41\n0x41\n-1\n\n41 "
                                       << " 0";
    QTest::newRow("empty lines inside count as 0") << "41\n\n\n42"
                                                   << " 3";
    QTest::newRow("lower case and leading zeros") << "a3\n00000000A3\n5"
                                                  << " 5";
    QTest::newRow("low byte of a wide value") << "1A3\nFFFFFFFF"
                                              << "5C";
    QTest::newRow("over 32 bits is invalid") << "100000000\n7"
                                             << " 7";
    QTest::newRow("full-width digit is invalid") << "４１\n42"
                                                 << "42";
    QTest::newRow("line separator breaks a line") << QString("41") + QChar::LineSeparator + "42"
                                                  << " 3";
    QTest::newRow("carriage return line breaks") << "41\r\n42\r\n"
                                                 << " 3";
}

void TMainFormTest::clickShowsBccOfLines()
{
    QFETCH(QString, text);
    QFETCH(QString, caption);
    setText(text);
    const QString before = form->Memo1->toPlainText();
    click();
    QCOMPARE(form->windowTitle(), caption);
    QCOMPARE(form->Memo1->toPlainText(), before); // the text box is left as it was
}

void TMainFormTest::clickingTwiceKeepsTheCaption()
{
    click();
    QCOMPARE(form->windowTitle(), QStringLiteral("61"));
    click();
    QCOMPARE(form->windowTitle(), QStringLiteral("61"));
    setText("FF");
    click();
    QCOMPARE(form->windowTitle(), QStringLiteral("FF"));
}

void TMainFormTest::enterAndSpaceOnButtonPressIt()
{
    QSignalSpy clicks(form->Button1, &QPushButton::clicked);
    QTest::keyClick(form->Button1, Qt::Key_Return);
    QCOMPARE(form->windowTitle(), QStringLiteral("61"));
    QTest::keyClick(form->Button1, Qt::Key_Enter);
    QTest::keyClick(form->Button1, Qt::Key_Space);
    QCOMPARE(clicks.count(), 3);
}

void TMainFormTest::escapeDoesNotClose()
{
    QTest::keyClick(form->Button1, Qt::Key_Escape);
    QTest::keyClick(form->Memo1, Qt::Key_Escape);
    QVERIFY(form->isVisible());
}

void TMainFormTest::typedLinesCount()
{
    setText("");
    form->Memo1->setFocus();
    QTest::keyClicks(form->Memo1, "41");
    QTest::keyClick(form->Memo1, Qt::Key_Return); // Enter inserts a line break
    QTest::keyClicks(form->Memo1, "42");
    QTest::keyClick(form->Memo1, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(form->Memo1, "44");
    QTest::keyClick(form->Memo1, Qt::Key_Return);
    click();
    QCOMPARE(MemoLines(*form->Memo1), (bcc::LineList {"41", "42", "44"}));
    QCOMPARE(form->windowTitle(), QStringLiteral("47"));
}

void TMainFormTest::wrappedLineCountsAsItsDisplayLines()
{
    // Read whole, this line overflows and counts as 0. Wrapped at the box's
    // width, its first display line overflows, the middle ones are zeros and
    // the last one ends in the final 1.
    const QString line = "1" + QString(198, QLatin1Char('0')) + "1";
    setText(line);
    click();
    QCOMPARE(form->windowTitle(), QStringLiteral(" 1"));

    const bcc::LineList lines = MemoLines(*form->Memo1);
    QVERIFY(lines.size() > 1);
    std::string joined;
    for (const std::string &shown : lines) {
        QVERIFY(shown.size() < 40); // wrapped at a 137-pixel box
        joined += shown;
    }
    QCOMPARE(QString::fromStdString(joined), line);
}

void TMainFormTest::moreLinesThanTheValueTable()
{
    for (const int count : {1001, 1002, 2002, 2003, 60000}) {
        std::uint8_t bcc = 0;
        setText(countingLines(count, &bcc));
        click();
        QCOMPARE(form->windowTitle(), QString::fromStdString(bcc::FormatBcc(bcc)));
        QCOMPARE(MemoLines(*form->Memo1).size(), std::size_t(count));
    }
}

void TMainFormTest::linesOfAnUnshownBoxAreNotWrappedAtZeroWidth()
{
    TMainForm unshown;
    QCOMPARE(MemoLines(*unshown.Memo1), (bcc::LineList {"03", "32", "A3", "F3", "20", "20"}));
    unshown.Button1->click();
    QCOMPARE(unshown.windowTitle(), QStringLiteral("61"));
}

QTEST_MAIN(TMainFormTest)
#include "tmainform_test.moc"
