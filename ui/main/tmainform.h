#pragma once

#include <QWidget>

#include <memory>

class QPushButton;
class TMemo;

namespace Ui {
class TMainForm;
}

// The tool's one window: a text box of hexadecimal lines and a button that
// writes their BCC into the window's caption.
class TMainForm : public QWidget
{
    Q_OBJECT

public:
    explicit TMainForm(QWidget *parent = nullptr);
    ~TMainForm() override;

    QPushButton *Button1;
    TMemo *Memo1;

public slots:
    void Button1Click();

private:
    std::unique_ptr<Ui::TMainForm> ui;
};
