#include "tmainform.h"

#include "bcc.h"
#include "memolines.h"
#include "ui_tmainform.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

TMainForm::TMainForm(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::TMainForm>())
{
    ui->setupUi(this);
    Button1 = ui->Button1;
    Memo1 = ui->Memo1;

    // A fixed dialog frame: a close box, no minimise or maximise box. A plain
    // window rather than Qt::Dialog, so task bars list it and Escape does not close it.
    setWindowFlags(
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setBackgroundRole(QPalette::Button);

    // Centred on the screen; the position stored in the form is not used.
    const QRect screenArea
        = (screen() ? screen() : QGuiApplication::primaryScreen())->availableGeometry();
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screenArea));

    connect(Button1, &QPushButton::clicked, this, &TMainForm::Button1Click);
}

TMainForm::~TMainForm() = default;

void TMainForm::Button1Click()
{
    const bcc::LineList lines = MemoLines(*Memo1);
    setWindowTitle(QString::fromStdString(bcc::FormatBcc(bcc::ComputeBcc(lines))));
}
