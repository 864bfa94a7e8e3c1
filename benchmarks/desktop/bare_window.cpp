// The yardstick for start-up time: the least a Qt Widgets program does to show a
// window with one button and one text box, with Qt's defaults throughout.

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);

    QWidget window;
    window.resize(242, 382);
    auto *button = new QPushButton(QStringLiteral("Button"), &window);
    button->setGeometry(152, 8, 75, 25);
    auto *text = new QPlainTextEdit(&window);
    text->setGeometry(8, 8, 137, 361);
    window.show();
    return application.exec();
}
