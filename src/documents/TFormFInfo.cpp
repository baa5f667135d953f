#include "documents/TFormFInfo.h"

#include "ui_TFormFInfo.h"

#include "documents/DocumentOpening.h"
#include "documents/DocumentPath.h"
#include "platform/FailureNotice.h"

#include <QFileInfo>
#include <QMouseEvent>

TFormFInfo::TFormFInfo(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , ui(std::make_unique<Ui::TFormFInfo>())
{
    ui->setupUi(this);
    setFixedSize(size());
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    QFont tahoma(QStringList{QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans")});
    tahoma.setPixelSize(13);
    setFont(tahoma);
    QFont underlined = tahoma;
    underlined.setUnderline(true);
    ui->LabelLink->setFont(underlined);
    QPalette blue = ui->LabelLink->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    ui->LabelLink->setPalette(blue);
    ui->LabelLink->setCursor(Qt::PointingHandCursor);
    ui->LabelLink->installEventFilter(this);
}

TFormFInfo::~TFormFInfo() = default;

void TFormFInfo::setDocument(const QString &path, const QString &shownName)
{
    m_link = path;
    showElided(QStringLiteral("LabelName"), shownName);
    showElided(QStringLiteral("LabelPfad"), DocumentPath::folder(path));
    ui->LabelSize->setText(DocumentPath::sizeText(QFileInfo(path).size()));
    showElided(QStringLiteral("LabelLink"), path);
}

// Long paths are shortened in the middle, so both the start and the file name stay readable; the full
// text is the tooltip.
void TFormFInfo::showElided(const QString &labelName, const QString &text)
{
    QLabel *label = findChild<QLabel *>(labelName);
    label->setText(label->fontMetrics().elidedText(text, Qt::ElideMiddle, label->width()));
    label->setToolTip(label->text() == text ? QString() : text);
}

void TFormFInfo::LabelLinkClick()
{
    const bool ownWindow = ownViewer && DocumentPath::isExistingFile(m_link) && ownViewer(m_link);
    if (!ownWindow)
        openOnDesktop();
    accept();
}

void TFormFInfo::openOnDesktop() const
{
    if (DocumentPath::isExistingFile(m_link))
        FailureNotice::show(DocumentOpening::open(m_link));
    else
        FailureNotice::show(QStringLiteral("Datei nicht gefunden!"), Dialogs::NoticeKind::Warning);
}

bool TFormFInfo::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->LabelLink && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        LabelLinkClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
