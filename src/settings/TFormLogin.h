#pragma once

#include <QDialog>
#include <memory>

class QKeyEvent;

namespace Ui {
class TFormLogin;
}

// Asks for the program password at start. Created with the other windows, shown at most once. It has no
// parent, so it opens centred on the desktop rather than over the main window.
class TFormLogin final : public QDialog {
    Q_OBJECT

public:
    TFormLogin();
    ~TFormLogin() override;

    QString PassW;        // the program password, set by the opener
    bool LoginOk = false; // true only after a correct entry
    int FailCount = 0;    // wrong entries in this showing

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private Q_SLOTS:
    void BitBtn1Click();
    void BitBtn2Click();
    void ButtonMaskClick();
    void Edit1Change();

private:
    void FormShow();
    bool FormKeyDown(const QKeyEvent &key);
    void rejectEntry();
    void endAfterLastTry();

    std::unique_ptr<Ui::TFormLogin> ui;
};
