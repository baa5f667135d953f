#include "register/TFormFrage.h"

#include "ui_TFormFrage.h"

#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/TextTrim.h"
#include "platform/WindowBackground.h"

TFormFrage::TFormFrage(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , ui(std::make_unique<Ui::TFormFrage>())
{
    ui->setupUi(this);
    setFixedSize(size());
    connect(ui->ButtonSave, &QPushButton::clicked, this, &TFormFrage::ButtonSaveClick);
    connect(ui->ButtonCancel, &QPushButton::clicked, this, &TFormFrage::ButtonCancelClick);
}

TFormFrage::~TFormFrage() = default;

QString TFormFrage::ask()
{
    Platform::dialogs().exec(*this);
    return SuchString;
}

void TFormFrage::ButtonSaveClick()
{
    SuchString = TextTrim::trimmed(ui->EditInput->text());
    accept();
}

void TFormFrage::ButtonCancelClick()
{
    SuchString.clear();
    QDialog::reject();
}

// Esc and the window manager's close count as "Abbrechen".
void TFormFrage::reject()
{
    ButtonCancelClick();
}

void TFormFrage::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TFormFrage::FormShow()
{
    SuchString.clear();
    ui->EditInput->clear();
    setWindowTitle(QStringLiteral("Suchen"));
    ui->Label1->setText(QStringLiteral("Suchbegriff"));
    ui->ButtonCancel->setText(QStringLiteral("Abbrechen"));
    ui->EditInput->setFocus();
}

void TFormFrage::paintEvent(QPaintEvent *)
{
    WindowBackground::paintGradient(*this, QColor(148, 148, 148));
}
