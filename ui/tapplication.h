#pragma once

#include <QApplication>

// The application object. It carries the application's title, and an exception
// that escapes an event handler, such as running out of memory during a click,
// is shown in an error message box while the event loop goes on, rather than
// ending the program.
class TApplication : public QApplication
{
    Q_OBJECT

public:
    TApplication(int &argc, char **argv);

    // The name under which the desktop shows the application as a whole. Unlike
    // QGuiApplication::applicationDisplayName, it is never added to window captions.
    QString title() const { return m_title; }
    void setTitle(const QString &title) { m_title = title; }

    bool notify(QObject *receiver, QEvent *event) override;

private:
    void showError(const QString &message);

    QString m_title;
};
