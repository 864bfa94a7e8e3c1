#include "fontsubstitutes.h"
#include "tapplication.h"
#include "tmainform.h"

#include <QIcon>

int main(int argc, char *argv[])
{
    TApplication application(argc, argv);
    application.setTitle(QStringLiteral("BCCチェックプログラム"));

    // The X11 window class stays ASCII; the desktop entry ties it to the title.
    QApplication::setApplicationName(QStringLiteral("bcc-check"));
    QGuiApplication::setDesktopFileName(QStringLiteral(BCC_APP_ID));
    QIcon mainIcon;
    mainIcon.addFile(QStringLiteral(":/icons/mainicon-16.png"));
    mainIcon.addFile(QStringLiteral(":/icons/mainicon-32.png"));
    QApplication::setWindowIcon(mainIcon);
    InstallFontSubstitutes();

    TMainForm MainForm;
    // The window's icon name is what task bars show for the application.
    MainForm.setWindowIconText(application.title());
    MainForm.show();
    return application.exec();
}
