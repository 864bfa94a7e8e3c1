#include "tmemo.h"

#include <QMimeData>

TMemo::TMemo(QWidget *parent)
    : QPlainTextEdit(parent)
{ }

void TMemo::insertFromMimeData(const QMimeData *source)
{
    if (!source || !(textInteractionFlags() & Qt::TextEditable))
        return;
    // Only the plain text counts: the box holds exactly the characters copied.
    // Like Qt's paste, nothing to paste leaves even the selection as it was.
    const QString text = source->text();
    if (text.isEmpty())
        return;
    // One edit that replaces the selection: a single undo step, as with Qt's paste.
    insertPlainText(text);
    ensureCursorVisible();
}
