// An exception that escapes an event handler is shown in a message box titled
// with the application's title, and the program goes on.

#include "tapplication.h"

#include <QEvent>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <new>
#include <stdexcept>

namespace {

// Throws from its event handler when it receives a QEvent::User.
class Thrower : public QObject
{
public:
    explicit Thrower(std::function<void()> raise)
        : m_raise(std::move(raise))
    { }

    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::User)
            m_raise();
        return QObject::event(event);
    }

private:
    std::function<void()> m_raise;
};

struct MessageBoxSeen
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Sends a throwing event and answers the message box that it brings up.
MessageBoxSeen sendThrowingEvent(std::function<void()> raise)
{
    MessageBoxSeen seen;
    QTimer::singleShot(0, [&seen] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            seen = {box->windowTitle(), box->text(), box->icon()};
            box->accept();
        }
    });
    Thrower thrower(std::move(raise));
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&thrower, &event);
    return seen;
}

} // namespace

class TApplicationTest : public QObject
{
    Q_OBJECT

private slots:
    void outOfMemoryIsReportedInJapanese()
    {
        const MessageBoxSeen seen = sendThrowingEvent([] { throw std::bad_alloc(); });
        QCOMPARE(seen.title, QStringLiteral("BCCチェックプログラム"));
        QCOMPARE(seen.text, QStringLiteral("メモリが不足しています。"));
        QCOMPARE(seen.icon, QMessageBox::Critical);
    }

    void otherErrorsShowTheirMessageAndTheLoopGoesOn()
    {
        const MessageBoxSeen seen
            = sendThrowingEvent([] { throw std::runtime_error("thrown from an event handler"); });
        QCOMPARE(seen.text, QStringLiteral("thrown from an event handler"));

        bool delivered = false;
        QTimer::singleShot(0, [&delivered] { delivered = true; });
        QTRY_VERIFY(delivered);
    }
};

int main(int argc, char *argv[])
{
    TApplication application(argc, argv);
    application.setTitle(QStringLiteral("BCCチェックプログラム"));
    TApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tapplication_test.moc"
