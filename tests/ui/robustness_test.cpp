// Whatever a user types or pastes, the click neither crashes, hangs nor garbles
// anything: a line that is not a hexadecimal number counts as 0, a wrapped line
// as its display lines, and the text box keeps what it was given.

#include "memolines.h"
#include "shownmainform.h"
#include "tmainform.h"

#include <QClipboard>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

// The text of the box as UTF-8 without its line breaks: what the display lines
// of a click must add up to.
std::string textWithoutLineBreaks(const QPlainTextEdit &memo)
{
    QString text = memo.document()->toRawText();
    text.remove(QChar::ParagraphSeparator).remove(QChar::LineSeparator);
    return text.toStdString();
}

std::string joined(const bcc::LineList &lines)
{
    std::string text;
    for (const std::string &line : lines)
        text += line;
    return text;
}

} // namespace

class RobustnessTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void badLinesCountAsZero_data();
    void badLinesCountAsZero();
    void pastedBytesThatAreNotUtf8_data();
    void pastedBytesThatAreNotUtf8();
    void tenMegabyteLine();

private:
    void clickAndCheck(const QString &caption);

    std::unique_ptr<TMainForm> form;
};

void RobustnessTest::init()
{
    form = ShowMainForm();
    QVERIFY(form);
}

void RobustnessTest::cleanup()
{
    form.reset();
}

// Clicks the button and checks the caption, that the text box is left as it was,
// and that the display lines hold all of its text, each character once.
void RobustnessTest::clickAndCheck(const QString &caption)
{
    const QString before = form->Memo1->toPlainText();
    QTest::mouseClick(form->Button1, Qt::LeftButton);
    QCOMPARE(form->windowTitle(), caption);
    QCOMPARE(form->Memo1->toPlainText(), before);
    QVERIFY(joined(MemoLines(*form->Memo1)) == textWithoutLineBreaks(*form->Memo1));
}

void RobustnessTest::badLinesCountAsZero_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");

    // A valid line after the bad ones still counts.
    const auto nul = [](const char *before, const char *after) {
        return QString::fromUtf8(before) + QChar(0) + QString::fromUtf8(after);
    };
    QTest::newRow("NUL characters")
        << nul("", "") + "\n" + nul("41", "") + "\n" + nul("", "41") + "\n" + nul("4", "1") + "\n5A"
        << "5A";
    QTest::newRow("control characters") << "\x01\x02\n\x1B[31m41\n\t41\n41\t\n4\b1\n\v\f\n\x7F\n5A"
                                        << "5A";
    QTest::newRow("C1 controls") << "\u008541\n\u009B41\n41\u0085\n5A"
                                 << "5A";
    QTest::newRow("emoji") << "😀\n41😀\n😀41\n👩‍💻\n🇯🇵\n5A"
                           << "5A";
    QTest::newRow("outside the basic plane") << "𠀀\n𝟒𝟏\n41𐀀\n5A"
                                             << "5A";
    QTest::newRow("lone surrogates")
        << QString(QChar(0xD800)) + "41\n41" + QChar(0xDC00) + "\n" + QChar(0xDBFF) + "\n5A"
        << "5A";
    QTest::newRow("right-to-left marks") << "\u200F41\n41\u200F\n\u202E41\u202C\n\u061C41\n5A"
                                         << "5A";
    QTest::newRow("right-to-left text") << "שלום\nسلام 41\n٤١\n5A"
                                        << "5A";
    QTest::newRow("specials and noncharacters") << "\uFFFD\n\uFFFC41\n\uFFFE\n\uFFFF\n\uFDEF\n5A"
                                                << "5A";
    QTest::newRow("zero-width characters") << "4\u200B1\n\u200D41\n\uFEFF41\n5A"
                                           << "5A";
    QTest::newRow("wrapped emoji") << QString("😀").repeated(100) + "\n5A"
                                   << "5A";
    QTest::newRow("wrapped right-to-left text") << QString("שלום ٤١ 41 ").repeated(30) + "\n5A"
                                                << "5A";
    QTest::newRow("bad lines and valid ones") << "\x01\n41\n😀\n42\n\u200F\n5A"
                                              << "59";
}

void RobustnessTest::badLinesCountAsZero()
{
    QFETCH(QString, text);
    QFETCH(QString, caption);
    form->Memo1->setPlainText(text);
    clickAndCheck(caption);
}

void RobustnessTest::pastedBytesThatAreNotUtf8_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("caption");

    QTest::newRow("not UTF-8 at all") << QByteArray("\xFF\xFE\n5A") << "5A";
    QTest::newRow("bad continuation byte") << QByteArray("\xC3\x28\n41\xC3\n5A") << "5A";
    QTest::newRow("cut-off sequence") << QByteArray("\xE2\x82\n41\xF0\x9F\x98\n5A") << "5A";
    QTest::newRow("overlong encoding") << QByteArray("\xC0\xB4\xC0\xB1\n5A") << "5A";
    QTest::newRow("encoded surrogate") << QByteArray("\xED\xA0\x80\n5A") << "5A";
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80\n5A") << "5A";
    QTest::newRow("stray continuation bytes") << QByteArray("\x80\x80\x80\x80\n5A") << "5A";
    QTest::newRow("NUL bytes") << QByteArray("4\0\x31\n\0\n5A", 8) << "5A";
    QTest::newRow("Latin-1 text") << QByteArray("caf\xE9\n\xB5\n5A") << "5A";
    QTest::newRow("valid lines between bad ones") << QByteArray("\xFF\n0F\n\xFE\n5A\n") << "55";
}

void RobustnessTest::pastedBytesThatAreNotUtf8()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, caption);

    auto *mime = new QMimeData; // the clipboard owns it
    mime->setData(QStringLiteral("text/plain"), bytes);
    QGuiApplication::clipboard()->setMimeData(mime);

    form->Memo1->setFocus();
    QTest::keyClick(form->Memo1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(form->Memo1, Qt::Key_V, Qt::ControlModifier);
    // The box holds the bytes decoded, each bad sequence as a replacement character.
    QCOMPARE(form->Memo1->toPlainText(), QString::fromUtf8(bytes));
    clickAndCheck(caption);
}

void RobustnessTest::tenMegabyteLine()
{
    // Qt's default wrapping at word boundaries takes time that grows with the
    // square of the length of a line without spaces; wrapping anywhere does not.
    QCOMPARE(form->Memo1->wordWrapMode(), QTextOption::WrapAnywhere);

    // Whatever the width, the line's display lines are all zeros, worth 0.
    form->Memo1->setPlainText(QString(10'000'000, u'0') + "\n5A\n0F");
    clickAndCheck("55");

    const bcc::LineList lines = MemoLines(*form->Memo1);
    QVERIFY(lines.size() > 10'000'000 / 40);
    QCOMPARE(lines.back(), std::string("0F"));
}

QTEST_MAIN(RobustnessTest)
#include "robustness_test.moc"
