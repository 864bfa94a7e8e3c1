#include "fontsubstitutes.h"
#include "tmainform.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);

    // The title under which the desktop shows the application as a whole. It is
    // the window's icon name, not Qt's application display name, which Qt would
    // append to every window caption.
    const QString applicationTitle = QStringLiteral("BCCチェックプログラム");
    // The X11 window class stays ASCII; the desktop entry ties it to the title.
    QApplication::setApplicationName(QStringLiteral("bcc-check"));
    QGuiApplication::setDesktopFileName(QStringLiteral(BCC_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/mainicon.png")));
    InstallFontSubstitutes();

    TMainForm MainForm;
    MainForm.setWindowIconText(applicationTitle);
    MainForm.show();
    return application.exec();
}
