#include "tools/TAboutBox.h"

#include "ui_TAboutBox.h"

#include "platform/FailureNotice.h"
#include "platform/WebAddress.h"
#include "platform/WindowBackground.h"

#include <QMouseEvent>

namespace {

QFont fontOf(const QStringList &families, int points)
{
    QFont font(families);
    font.setPointSize(points);
    return font;
}

} // namespace

TAboutBox::TAboutBox(QWidget &mainWindow)
    : QDialog(&mainWindow)
    , ui(std::make_unique<Ui::TAboutBox>())
{
    ui->setupUi(this);
    setFixedSize(size());
    const QFont arial = fontOf({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")}, 10);
    for (QWidget *label : {ui->LabelRelease, ui->LabelVersion, ui->LabelPublisher, ui->Label5})
        label->setFont(arial);
    ui->Label1->setFont(fontOf({QStringLiteral("Century Gothic"), QStringLiteral("URW Gothic")}, 16));
    ui->Label5->setCursor(Qt::PointingHandCursor);
    ui->Label5->installEventFilter(this);
    connect(ui->SpeedButton1, &QPushButton::clicked, this, &TAboutBox::SpeedButton1Click);
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::setRelease(const QString &release)
{
    ui->LabelVersion->setText(release);
}

void TAboutBox::SpeedButton1Click()
{
    accept();
}

void TAboutBox::Label5Click()
{
    FailureNotice::show(WebAddress::open(ui->Label5->text()));
    accept();
}

void TAboutBox::paintEvent(QPaintEvent *)
{
    WindowBackground::paintGradient(*this, QColor(0x94, 0x94, 0x94));
}

bool TAboutBox::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        Label5Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
