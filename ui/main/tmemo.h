#pragma once

#include <QPlainTextEdit>

// The main window's text box: a QPlainTextEdit whose paste puts plain text
// straight into the document. Qt's own paste first builds a second document from
// the text and then copies it block by block, which more than doubles the time a
// paste of a million lines takes.
class TMemo : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit TMemo(QWidget *parent = nullptr);

protected:
    void insertFromMimeData(const QMimeData *source) override;
};
