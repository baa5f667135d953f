#include "settings/TFormLogin.h"

#include "ui_TFormLogin.h"

#include "platform/Dialogs.h"
#include "platform/FailureNotice.h"
#include "platform/Help.h"
#include "platform/Platform.h"
#include "platform/Process.h"
#include "platform/TextTrim.h"
#include "platform/WindowBackground.h"

#include <QKeyEvent>

namespace {

constexpr int kHelpContext = 6;
constexpr int kTries = 3;

} // namespace

TFormLogin::TFormLogin()
    : ui(std::make_unique<Ui::TFormLogin>())
{
    ui->setupUi(this);
    setFixedSize(size());
    ui->ButtonMask->hide();
    connect(ui->BitBtn1, &QPushButton::clicked, this, &TFormLogin::BitBtn1Click);
    connect(ui->BitBtn2, &QPushButton::clicked, this, &TFormLogin::BitBtn2Click);
    connect(ui->ButtonMask, &QPushButton::clicked, this, &TFormLogin::ButtonMaskClick);
    connect(ui->Edit1, &QLineEdit::textEdited, this, &TFormLogin::Edit1Change);
    // Keys reach the window before its controls, so F1 and Esc work whichever control has the focus.
    installEventFilter(this);
    for (QWidget *control : findChildren<QWidget *>())
        control->installEventFilter(this);
}

TFormLogin::~TFormLogin() = default;

void TFormLogin::BitBtn1Click()
{
    LoginOk = false;
    if (TextTrim::trimmed(ui->Edit1->text()) == PassW) {
        LoginOk = true;
        accept();
        return;
    }
    if (FailCount >= kTries)
        endAfterLastTry();
    else
        rejectEntry();
}

void TFormLogin::BitBtn2Click()
{
    LoginOk = false;
    Platform::process().endNow(0);
}

void TFormLogin::ButtonMaskClick()
{
    const bool masked = ui->Edit1->echoMode() == QLineEdit::Password;
    ui->Edit1->setEchoMode(masked ? QLineEdit::Normal : QLineEdit::Password);
    ui->ButtonMask->setText(masked ? QStringLiteral("***") : QStringLiteral("Abc"));
}

void TFormLogin::Edit1Change()
{
    ui->ButtonMask->show();
}

void TFormLogin::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TFormLogin::paintEvent(QPaintEvent *)
{
    WindowBackground::paintGradient(*this, QColor(170, 170, 170));
}

bool TFormLogin::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && FormKeyDown(static_cast<const QKeyEvent &>(*event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

void TFormLogin::FormShow()
{
    FailCount = 0;
    ui->BitBtn1->setEnabled(true);
    ui->Edit1->setFocus();
}

bool TFormLogin::FormKeyDown(const QKeyEvent &key)
{
    if (key.key() == Qt::Key_F1) {
        FailureNotice::show(Platform::help().show(kHelpContext));
        return true;
    }
    if (key.key() == Qt::Key_Escape) {
        BitBtn2Click();
        return true;
    }
    return false;
}

void TFormLogin::rejectEntry()
{
    const int triesLeft = kTries - FailCount;
    ++FailCount;
    Platform::dialogs().notice(Dialogs::NoticeKind::Error,
                               QStringLiteral("Falsches Passwort! Noch %1 Versuche").arg(triesLeft));
    ui->Edit1->clear();
    ui->Edit1->setFocus();
}

void TFormLogin::endAfterLastTry()
{
    ui->BitBtn1->setEnabled(false);
    Platform::dialogs().notice(Dialogs::NoticeKind::Information,
                               QStringLiteral("Drei Fehleingaben. Programm wird in zehn Sekunden beendet!"));
    Platform::process().endNow(0);
}
