#pragma once

#include <QChar>

class QPlainTextDocumentLayout;

// U+0020 (space) to U+007E (~): ASCII without its control characters.
inline bool IsPrintableAscii(QChar c)
{
    return c >= u' ' && c <= u'~';
}

// The length up to which a block of printable ASCII is sure to show on one
// display line of a plain-text box, known without laying it out: Qt lays out
// plain text lazily, and laying out every block of a long text costs far more
// than reading it. 0 when the box's settings leave any doubt.
qsizetype AsciiLineFit(const QPlainTextDocumentLayout &layout);
