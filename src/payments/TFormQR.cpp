#include "payments/TFormQR.h"

#include "ui_TFormQR.h"

#include "payments/QrPicture.h"
#include "platform/WindowBackground.h"
#include "qr/TEncoder.h"
#include "qr/TQRCodeGenerator.h"

#include <QFile>
#include <QPainter>
#include <QScrollBar>

namespace {

constexpr int kDefaultQuietZone = 4;
// The window shows the payload lines first and the symbol a moment later.
constexpr int kBuildDelay = 500;

} // namespace

TFormQR::TFormQR()
    : ui(std::make_unique<Ui::TFormQR>())
    , m_lines(EpcPayload::templateLines())
{
    ui->setupUi(this);
    ui->edtQuietZone->hide();
    ui->Edit1->hide();
    ui->Button1->hide();
    setMinimumSize(size());
    m_designedSize = size();
    // The numbers end where the payload list's horizontal scroll bar begins, so both columns match.
    ui->MemoNum->resize(ui->MemoNum->width(),
                        ui->Memo1->height() - ui->Memo1->horizontalScrollBar()->sizeHint().height());
    for (QWidget *control : {static_cast<QWidget *>(ui->MemoNum), static_cast<QWidget *>(ui->Memo1),
                             static_cast<QWidget *>(ui->Button2), static_cast<QWidget *>(ui->PanelQR)})
        m_designedGeometry.insert(control, control->geometry());
    ui->MemoNum->document()->setDefaultTextOption(QTextOption(Qt::AlignRight));
    ui->MemoNum->setFont(ui->Memo1->font());
    // The numbers scroll with the lines they number.
    connect(ui->Memo1->verticalScrollBar(), &QScrollBar::valueChanged, ui->MemoNum->verticalScrollBar(),
            &QScrollBar::setValue);
    connect(ui->Button1, &QPushButton::clicked, this, &TFormQR::Button1Click);
    connect(ui->Button2, &QPushButton::clicked, this, &QDialog::reject);
    ui->PaintBox1->installEventFilter(this);
    m_buildDelay.setSingleShot(true);
    m_buildDelay.setInterval(kBuildDelay);
    connect(&m_buildDelay, &QTimer::timeout, this, &TFormQR::Button1Click);
}

TFormQR::~TFormQR() = default;

QString TFormQR::payloadText() const
{
    return EpcPayload::text(m_lines);
}

void TFormQR::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

// A symbol built after the window closed would belong to nobody.
void TFormQR::hideEvent(QHideEvent *event)
{
    m_buildDelay.stop();
    QDialog::hideEvent(event);
}

void TFormQR::FormShow()
{
    // Earlier versions left this file in the data folder; nothing writes it any more.
    QFile::remove(DatenPfad + QStringLiteral("qrcode.bmp"));
    QRCodeBitmap = QImage();
    m_doesNotFit = false;
    EpcPayload::fill(m_lines, Payment);
    showLines();
    ui->PaintBox1->update();
    m_buildDelay.start();
}

void TFormQR::showLines()
{
    ui->Memo1->setPlainText(m_lines.join(QLatin1Char('\n')));
    QStringList numbers;
    for (qsizetype i = 1; i <= m_lines.size(); ++i)
        numbers.append(QString::number(i));
    ui->MemoNum->setPlainText(numbers.join(QLatin1Char('\n')));
}

void TFormQR::Button1Click()
{
    ui->Edit1->setText(payloadText());
    bool isNumber = false;
    const int quietZone = ui->edtQuietZone->text().toInt(&isNumber);
    TQRCodeGenerator generator;
    // The encoding option goes first: set after the text, it would encode the whole text a second time.
    generator.setEncoding(TEncoder::Utf8);
    generator.setData(ui->Edit1->text());
    generator.setQuietZone(isNumber ? quietZone : kDefaultQuietZone);
    m_doesNotFit = generator.state() == TQRCodeGenerator::TState::ContentTooLarge;
    QRCodeBitmap = QrPicture::fromGenerator(generator);
    ui->PaintBox1->update();
}

void TFormQR::PaintBox1Paint()
{
    QPainter painter(ui->PaintBox1);
    QrPicture::paint(painter, ui->PaintBox1->size(), QRCodeBitmap);
    if (m_doesNotFit)
        painter.drawText(ui->PaintBox1->rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap,
                         QStringLiteral("Die Zahlungsdaten sind zu lang für einen QR-Code."));
}

// A larger window gives the payload list the room; the symbol keeps its box at the right edge.
void TFormQR::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const int wider = width() - m_designedSize.width();
    const int higher = height() - m_designedSize.height();
    const auto place = [this](QWidget *control, int left, int top, int width, int height) {
        control->setGeometry(m_designedGeometry.value(control).adjusted(left, top, left + width, top + height));
    };
    place(ui->MemoNum, 0, 0, 0, higher);
    place(ui->Memo1, 0, 0, wider, higher);
    place(ui->Button2, 0, higher, 0, 0);
    place(ui->PanelQR, wider, 0, 0, 0);
}

void TFormQR::paintEvent(QPaintEvent *)
{
    WindowBackground::paintGradient(*this, QColor(230, 220, 213), QColor(170, 170, 170));
}

bool TFormQR::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->PaintBox1 && event->type() == QEvent::Paint) {
        PaintBox1Paint();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
