#include "backup/TFormRestInf.h"

#include "ui_TFormRestInf.h"

#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/Process.h"
#include "platform/Shell.h"
#include "platform/WindowBackground.h"

#include <QCloseEvent>

TFormRestInf::TFormRestInf(QWidget &centreOn)
    : ui(std::make_unique<Ui::TFormRestInf>())
    , m_centreOn(centreOn)
{
    ui->setupUi(this);
    setFixedSize(size());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    QFont labelFont(QStringLiteral("Century Gothic"));
    labelFont.setPixelSize(16);
    for (QLabel *label : {ui->Label1, ui->Label2}) {
        label->setFont(labelFont);
        label->setStyleSheet(QStringLiteral("color: rgb(128, 0, 128);"));
    }
    connect(ui->SpeedButton1, &QPushButton::clicked, this, &TFormRestInf::SpeedButton1Click);
}

TFormRestInf::~TFormRestInf() = default;

void TFormRestInf::SpeedButton1Click()
{
    if (!Platform::shell().startNewInstance())
        Platform::dialogs().notice(Dialogs::NoticeKind::Error,
                                   QStringLiteral("Das Programm konnte nicht neu gestartet werden. "
                                                  "Bitte starten Sie zettmar von Hand."));
    Platform::process().endNow(0);
}

// Esc must not leave the notice: the restored files need the restart.
void TFormRestInf::reject()
{
}

void TFormRestInf::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    ui->Label1->setText(QStringLiteral("Daten wiederhergestellt."));
    ui->Label2->setText(QStringLiteral("Das Programm wird neu gestartet!"));
    move(m_centreOn.frameGeometry().center() - rect().center());
}

void TFormRestInf::closeEvent(QCloseEvent *event)
{
    event->ignore();
}

void TFormRestInf::paintEvent(QPaintEvent *)
{
    WindowBackground::paintGradient(*this, QColor(200, 190, 220));
}
