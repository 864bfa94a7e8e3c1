#include "tapplication.h"

#include <QMessageBox>

#include <exception>
#include <new>

TApplication::TApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{ }

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc &) {
        showError(QStringLiteral("メモリが不足しています。"));
    } catch (const std::exception &error) {
        showError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        showError(QStringLiteral("予期しないエラーが発生しました。"));
    }
    return false;
}

void TApplication::showError(const QString &message)
{
    QMessageBox::critical(activeWindow(), m_title, message);
}
