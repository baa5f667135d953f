#include "backup/TFormHistory.h"

#include "ui_TFormHistory.h"

#include "backup/BackupHistory.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QTextDocument>

namespace {

constexpr int kToolBarHeight = 36;
constexpr int kButtonWidth = 34;

} // namespace

TFormHistory::TFormHistory()
    : ui(std::make_unique<Ui::TFormHistory>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);
    setMinimumSize(320, 160);
    m_statusPanel = new QLabel(ui->StatusBar1);
    m_statusPanel->setFixedWidth(80);
    m_statusPanel->setAlignment(Qt::AlignCenter);
    m_statusPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ui->StatusBar1->addWidget(m_statusPanel);
    connect(ui->ButtonClear, &QToolButton::clicked, this, &TFormHistory::ButtonClearClick);
    connect(ui->ButtonSave, &QToolButton::clicked, this, &TFormHistory::ButtonSaveClick);
    connect(ui->ButtonFind, &QToolButton::clicked, this, &TFormHistory::ButtonFindClick);
    connect(ui->ButtonQuit, &QToolButton::clicked, this, &TFormHistory::ButtonQuitClick);
    installEventFilter(this);
    ui->Memo1->installEventFilter(this);
}

TFormHistory::~TFormHistory() = default;

void TFormHistory::setStatusText(const QString &text)
{
    m_statusPanel->setText(text);
}

void TFormHistory::ButtonClearClick()
{
    ui->Memo1->clear();
}

void TFormHistory::ButtonSaveClick()
{
    const QString failure = write();
    if (!failure.isEmpty())
        Platform::dialogs().notice(Dialogs::NoticeKind::Error,
                                   QStringLiteral("Die Backup-Historie konnte nicht gespeichert werden.\n") + failure);
}

// The plain text of the text area would turn a no-break space into a blank and the line and paragraph
// separators into line breaks; its raw text keeps every character, with a paragraph separator between lines.
QString TFormHistory::write() const
{
    const QString shown = ui->Memo1->document()->toRawText();
    if (shown == m_shownText)
        return TextFile::writeBytes(HistDatei, m_shownBytes);
    const QString text = QString(shown).replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return BackupHistory::write(HistDatei, TextFile::splitLines(text), m_encoding);
}

void TFormHistory::ButtonFindClick()
{
    const QString entered = Platform::dialogs()
                                .inputLine(QStringLiteral("Suchen"), QStringLiteral("Suchbegriff eingeben"), QString())
                                .value_or(QString());
    if (!m_search.setTerm(entered))
        return;
    showHit(m_search.findFirst(ui->Memo1->toPlainText()));
}

void TFormHistory::ButtonQuitClick()
{
    close();
}

void TFormHistory::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

// Edits that were not saved are dropped with the window.
void TFormHistory::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        ui->Memo1->clear();
}

void TFormHistory::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    ui->ToolBar1->setGeometry(0, 0, width(), kToolBarHeight);
    const int indent = width() / 2 - 80;
    const QList<QToolButton *> buttons{ui->ButtonClear, ui->ButtonSave, ui->ButtonFind, ui->ButtonQuit};
    for (int i = 0; i < buttons.size(); ++i)
        buttons[i]->move(indent + i * kButtonWidth, buttons[i]->y());
    const int statusHeight = ui->StatusBar1->height();
    ui->Memo1->setGeometry(0, kToolBarHeight, width(), height() - kToolBarHeight - statusHeight);
    ui->StatusBar1->setGeometry(0, height() - statusHeight, width(), statusHeight);
}

bool TFormHistory::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F3) {
        searchOn();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFormHistory::FormShow()
{
    m_search.reset();
    ui->Memo1->clear();
    m_encoding = TextEncoding::Windows1252;
    m_shownBytes.clear();
    m_shownText.clear();
    if (!QFileInfo::exists(HistDatei))
        return;
    QString failure;
    const std::optional<QByteArray> bytes = TextFile::readBytes(HistDatei, &failure);
    if (!bytes) {
        Platform::dialogs().notice(Dialogs::NoticeKind::Error,
                                   QStringLiteral("Die Backup-Historie kann nicht gelesen werden.\n") + failure);
        return;
    }
    const TextLines file = TextFile::decodeLines(*bytes);
    m_encoding = file.encoding;
    ui->Memo1->setPlainText(file.lines.join(QLatin1Char('\n')));
    m_shownBytes = *bytes;
    m_shownText = ui->Memo1->document()->toRawText();
    ui->Memo1->moveCursor(QTextCursor::End);
    ui->Memo1->ensureCursorVisible();
}

void TFormHistory::searchOn()
{
    if (!m_search.term().isEmpty())
        showHit(m_search.findNext(ui->Memo1->toPlainText()));
}

// The text area counts a line break as one character, as the search text does, so the
// selection covers exactly what was found.
void TFormHistory::showHit(const std::optional<HistorySearch::Hit> &hit)
{
    if (!hit) {
        Platform::dialogs().notice(Dialogs::NoticeKind::Information,
                                   m_search.term() + QStringLiteral(" nicht gefunden"));
        return;
    }
    QTextCursor cursor = ui->Memo1->textCursor();
    cursor.setPosition(int(hit->start));
    cursor.setPosition(int(hit->start + hit->length), QTextCursor::KeepAnchor);
    ui->Memo1->setTextCursor(cursor);
}
