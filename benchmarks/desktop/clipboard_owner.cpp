// Holds a block of generated text on the X clipboard until it is ended, so that a
// benchmark can paste it into a window the way a user does. Prints "ready" and,
// where the text decides it, the caption a click should then show.

#include "bcc.h"

#include <QClipboard>
#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>

namespace {

// "01", "02", ..., "FF", "00", "01", ...: the lines of a long dump.
QString countingLines(qsizetype count, std::uint8_t *bcc)
{
    QString text;
    text.reserve(count * 3);
    *bcc = 0;
    for (qsizetype i = 1; i <= count; ++i) {
        const auto byte = static_cast<std::uint8_t>(i & 0xFF);
        text += QString::asprintf("%02X\n", byte);
        *bcc ^= byte;
    }
    return text;
}

// A run of hex digits with no space or line break: a long value copied from a log.
QString digitRun(qsizetype length)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    QString text(length, Qt::Uninitialized);
    std::uint32_t value = 0x2545F491; // varied digits, the same every run
    for (QChar &c : text) {
        value = value * 1664525u + 1013904223u;
        c = QLatin1Char(digits[value >> 28]);
    }
    return text;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Puts generated text on the clipboard."));
    parser.addHelpOption();
    const QCommandLineOption lines(QStringLiteral("lines"),
        QStringLiteral("Lines of two hex digits, one per count."), QStringLiteral("count"));
    const QCommandLineOption digits(QStringLiteral("digits"),
        QStringLiteral("One line of hex digits without spaces."), QStringLiteral("count"));
    parser.addOptions({lines, digits});
    parser.process(application);

    QString text;
    QByteArray expected;
    if (parser.isSet(lines)) {
        std::uint8_t bcc = 0;
        text = countingLines(parser.value(lines).toLongLong(), &bcc);
        expected = QByteArray::fromStdString(bcc::FormatBcc(bcc));
    } else if (parser.isSet(digits)) {
        // Where the box breaks the run decides the result, so no caption is foretold.
        text = digitRun(parser.value(digits).toLongLong());
    } else {
        parser.showHelp(2);
    }

    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(text, QClipboard::Clipboard);
    if (!clipboard->ownsClipboard()) {
        std::fputs("could not take the clipboard\n", stderr);
        return 1;
    }
    if (expected.isEmpty())
        std::puts("ready");
    else
        std::printf("ready %s\n", expected.constData());
    std::fflush(stdout);
    return application.exec();
}
