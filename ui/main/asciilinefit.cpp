#include "asciilinefit.h"

#include <QFontMetricsF>
#include <QPlainTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFormat>
#include <QTextLayout>

#include <algorithm>
#include <limits>
#include <optional>

namespace {

// The widest advance of the printable ASCII characters in a font, and the
// farthest any of them reaches past its advance.
struct AsciiExtent
{
    qreal advance = 0;
    qreal overhang = 0;
};

// nullopt for a font whose letter or word spacing adds to the advances.
std::optional<AsciiExtent> asciiExtent(const QFont &font, const QPaintDevice *device)
{
    const QFont plain;
    if (font.letterSpacing() != plain.letterSpacing()
        || font.letterSpacingType() != plain.letterSpacingType()
        || font.wordSpacing() != plain.wordSpacing())
        return std::nullopt;

    const QFontMetricsF metrics(font, device);
    AsciiExtent extent;
    qreal rightBearing = metrics.minRightBearing();
    for (char16_t c = 0; c < 0x80; ++c) {
        if (!IsPrintableAscii(c))
            continue;
        extent.advance = std::max(extent.advance, metrics.horizontalAdvance(c));
        rightBearing = std::min(rightBearing, metrics.rightBearing(c));
    }
    extent.overhang = -std::min(rightBearing, qreal(0));
    return extent;
}

} // namespace

qsizetype AsciiLineFit(const QPlainTextDocumentLayout &layout)
{
    const QTextDocument *document = layout.document();
    const QTextOption option = document->defaultTextOption();

    // Shown separators, tabs and spaces change what a line holds or how wide it
    // is, and design metrics differ from the ones measured here.
    constexpr QTextOption::Flags ShownMarks = QTextOption::ShowTabsAndSpaces
        | QTextOption::ShowLineAndParagraphSeparators
        | QTextOption::AddSpaceForLineAndParagraphSeparators | QTextOption::ShowDocumentTerminator;
    if ((option.flags() & ShownMarks) || option.useDesignMetrics())
        return 0;
    // Without wrapping only a line separator breaks a line.
    if (option.wrapMode() == QTextOption::NoWrap || option.wrapMode() == QTextOption::ManualWrap)
        return std::numeric_limits<qsizetype>::max();

    // Every block is drawn in one of the document's character formats.
    AsciiExtent widest;
    for (const QTextFormat &format : document->allFormats()) {
        if (!format.isCharFormat())
            continue;
        const std::optional<AsciiExtent> extent
            = asciiExtent(format.toCharFormat().font(), layout.paintDevice());
        if (!extent)
            return 0;
        widest.advance = std::max(widest.advance, extent->advance);
        widest.overhang = std::max(widest.overhang, extent->overhang);
    }
    if (widest.advance <= 0)
        return 0;

    // The width the lines of every block wrap at, as the first block shows it.
    const QTextBlock first = document->firstBlock();
    layout.ensureBlockLayout(first);
    const qreal width = first.layout()->lineAt(0).width();

    // Kerning or hinting could make a line wider than the sum of its advances:
    // allow a quarter more for them, and two advances and the overhang of the
    // last glyph on top, so that only lines that surely fit are taken as one.
    const qreal room = width - 2 * widest.advance - widest.overhang;
    if (room <= 0)
        return 0;
    return static_cast<qsizetype>(room / (widest.advance * 1.25));
}
