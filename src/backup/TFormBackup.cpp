#include "backup/TFormBackup.h"

#include "ui_TFormBackup.h"

#include "backup/BackupHistory.h"
#include "backup/BackupList.h"
#include "backup/BackupRun.h"
#include "backup/FolderOpener.h"
#include "backup/RestoreRun.h"
#include "backup/TFormHistory.h"
#include "backup/TFormRestInf.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/FailureNotice.h"
#include "platform/Help.h"
#include "platform/Platform.h"
#include "platform/Regional.h"
#include "platform/Shell.h"
#include "platform/TextTrim.h"
#include "platform/WindowBackground.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <cmath>

namespace {

constexpr int kHelpContext = 20;
const QString kElements = QStringLiteral(" Elemente");

QLabel *addPanel(QStatusBar &bar, int width, const QString &text)
{
    auto *panel = new QLabel(text, &bar);
    panel->setMinimumWidth(width);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar.addWidget(panel, width > 100 ? 1 : 0);
    return panel;
}

} // namespace

TFormBackup::TFormBackup(TFormHistory &history, TFormRestInf &restInf)
    : ui(std::make_unique<Ui::TFormBackup>())
    , m_history(history)
    , m_restInf(restInf)
{
    ui->setupUi(this);
    setFixedSize(size());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setUpStatusBar();
    setUpMenu();
    connectControls();
    setBusy(false);
    // Keys reach the window before its controls, so F1 and Esc act whichever control has the focus.
    installEventFilter(this);
    for (QWidget *control : findChildren<QWidget *>())
        control->installEventFilter(this);
}

TFormBackup::~TFormBackup() = default;

void TFormBackup::setUpStatusBar()
{
    addPanel(*ui->StatusBar1, 60, QStringLiteral("Backup:"));
    m_statusTarget = addPanel(*ui->StatusBar1, 400, QString());
    m_statusTarget->setObjectName(QStringLiteral("StatusTarget"));
}

void TFormBackup::setUpMenu()
{
    Popup1 = new QMenu(this);
    Popup1->setObjectName(QStringLiteral("Popup1"));
    Popup1->addSeparator();
    History1 = Popup1->addAction(QStringLiteral("Historie"));
    History1->setObjectName(QStringLiteral("History1"));
    Quit1 = Popup1->addAction(QStringLiteral("Beenden"));
    Quit1->setObjectName(QStringLiteral("Quit1"));
    connect(History1, &QAction::triggered, this, &TFormBackup::History1Click);
    connect(Quit1, &QAction::triggered, this, &QWidget::close);
}

void TFormBackup::connectControls()
{
    connect(ui->ToolButton1, &QToolButton::clicked, this, &TFormBackup::ToolButton1Click);
    connect(ui->ToolButton6, &QToolButton::clicked, this, &TFormBackup::ToolButton6Click);
    connect(ui->ButtonRestore, &QToolButton::clicked, this, &TFormBackup::ButtonRestoreClick);
    connect(ui->ToolButton11, &QToolButton::clicked, this, &TFormBackup::ToolButton11Click);
    connect(ui->ButtonSettings, &QToolButton::clicked, this, &TFormBackup::ButtonSettingsClick);
    connect(ui->ButtonOpen2, &QToolButton::clicked, this, &TFormBackup::ButtonOpen2Click);
    connect(ui->ButtonOpen3, &QToolButton::clicked, this, &TFormBackup::ButtonOpen3Click);
    connect(ui->ButtonZiel, &QToolButton::clicked, this, &TFormBackup::ButtonZielClick);
    connect(ui->SpeedButton3, &QToolButton::clicked, this, &TFormBackup::SpeedButton3Click);
    connect(ui->ListBox1, &QListWidget::itemDoubleClicked, this, &TFormBackup::ListBox1DblClick);
    connect(ui->ButtonClose, &QPushButton::clicked, this, &QWidget::close);
}

void TFormBackup::ToolButton1Click()
{
    ui->ListBox1->clear();
    ui->EditDir->clear();
    ui->EditZielDir->clear();
    ui->Label4->clear();
    showProgress(0);
    showCount();
}

void TFormBackup::ToolButton6Click()
{
    m_stopRequested = false;
    BackupRun::Request request{ui->EditDir->text(), ui->EditZielDir->text(), rows(), ui->CheckBox1->isChecked(),
                               BackupList::withSeparator(IniPath) + QLatin1String(BackupHistory::kFileName)};
    setBusy(true, !request.zipped);
    BackupRun(request, *this).run();
    setBusy(false);
}

void TFormBackup::ButtonRestoreClick()
{
    // What the previous run left there would read as the outcome of this one.
    ui->Label4->clear();
    setBar(0);
    setBusy(true);
    const RestoreRun::Outcome outcome = RestoreRun::run(ui->EditDir->text(), ui->EditZielDir->text(), *this);
    setBusy(false);
    if (!outcome.restored) {
        // A full bar would tell of a restore that did not happen.
        setBar(0);
        return;
    }
    ui->Label4->setText(QStringLiteral("Daten wiederhergestellt"));
    fillList(DataPfad);
    if (!outcome.skipped.isEmpty())
        Platform::dialogs().notice(Dialogs::NoticeKind::Warning, RestoreRun::skippedNotice(outcome.skipped));
    m_restInf.Language = MyLanguage;
    Platform::dialogs().exec(m_restInf);
}

void TFormBackup::ToolButton11Click()
{
    m_stopRequested = true;
}

void TFormBackup::ButtonSettingsClick()
{
    Popup1->popup(frameGeometry().topLeft() + QPoint(250, 55));
}

void TFormBackup::ButtonOpen2Click()
{
    openFolder(ui->EditDir->text());
}

void TFormBackup::ButtonOpen3Click()
{
    openFolder(ui->EditZielDir->text());
}

void TFormBackup::ButtonZielClick()
{
    const QString current = TextTrim::trimmed(ui->EditZielDir->text());
    const QString start = QFileInfo(current).isDir() ? current : QString();
    ui->Label4->clear();
    if (const std::optional<QString> chosen
        = Platform::dialogs().browseFolder(QStringLiteral("Backupverzeichnis auswählen"), start))
        ui->EditZielDir->setText(FolderOpener::folderOf(*chosen));
    BackupDir = TextTrim::trimmed(ui->EditZielDir->text());
}

void TFormBackup::SpeedButton3Click()
{
    qDeleteAll(ui->ListBox1->selectedItems());
    showCount();
    showProgress(0);
}

void TFormBackup::ListBox1DblClick()
{
    if (m_busy || ui->ListBox1->count() == 0)
        return;
    if (!ui->ListBox1->currentItem())
        ui->ListBox1->setCurrentRow(0);
    const QString path = TextTrim::trimmed(ui->ListBox1->currentItem()->text());
    if (!QFileInfo(path).isFile())
        Platform::dialogs().plainMessage(QStringLiteral("File not found"));
    else if (!Platform::shell().open(path))
        Platform::dialogs().notice(Dialogs::NoticeKind::Error,
                                   QStringLiteral("Die Datei \"%1\" kann nicht geöffnet werden.").arg(path));
}

void TFormBackup::StatusBar1DblClick()
{
    const QString target = TextTrim::trimmed(m_statusTarget->text());
    if (!target.isEmpty())
        openFolder(FolderOpener::folderOf(target));
}

void TFormBackup::History1Click()
{
    const QString path = BackupList::withSeparator(IniPath) + QLatin1String(BackupHistory::kFileName);
    if (!QFileInfo::exists(path)) {
        Platform::dialogs().notice(Dialogs::NoticeKind::Warning, QStringLiteral("Backup-Historie nicht gefunden"));
        return;
    }
    m_history.Sprache = 0;
    m_history.HistDatei = path;
    m_history.setStatusText(ui->LabelDatum->text());
    Platform::dialogs().exec(m_history);
}

void TFormBackup::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

// A close during a run waits for its end, so the destination handed back is the one the run used.
void TFormBackup::closeEvent(QCloseEvent *event)
{
    if (m_busy) {
        m_closeWhenDone = true;
        event->ignore();
        return;
    }
    BackupDir = TextTrim::trimmed(ui->EditZielDir->text());
    QDialog::closeEvent(event);
}

void TFormBackup::paintEvent(QPaintEvent *)
{
    WindowBackground::paintGradient(*this, QColor(190, 190, 190));
}

bool TFormBackup::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && FormKeyDown(static_cast<const QKeyEvent &>(*event)))
        return true;
    if (event->type() == QEvent::MouseButtonDblClick && watched->parent() == ui->StatusBar1) {
        StatusBar1DblClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFormBackup::FormShow()
{
    ui->LabelDatum->setText(Regional::formatDate(Platform::clock().today()));
    ToolButton1Click();
    m_stopRequested = false;
    ui->Label4->clear();
    ui->EditDir->setText(TextTrim::trimmed(DataPfad));
    ui->EditZielDir->setText(TextTrim::trimmed(BackupDir));
    fillList(DataPfad);
}

bool TFormBackup::FormKeyDown(const QKeyEvent &key)
{
    if (key.key() == Qt::Key_F1) {
        FailureNotice::show(Platform::help().show(kHelpContext));
        return true;
    }
    return key.key() == Qt::Key_Escape;
}

void TFormBackup::fillList(const QString &folder)
{
    ui->ListBox1->clear();
    ui->ListBox1->addItems(BackupList::build(TextTrim::trimmed(folder)));
    showCount();
}

void TFormBackup::showCount()
{
    ui->LabelCount->setText(QString::number(ui->ListBox1->count()) + kElements);
}

QStringList TFormBackup::rows() const
{
    QStringList texts;
    for (int row = 0; row < ui->ListBox1->count(); ++row)
        texts.append(ui->ListBox1->item(row)->text());
    return texts;
}

void TFormBackup::setBusy(bool busy, bool stoppable)
{
    m_busy = busy;
    // Idle it is on, as it always was; during a run only where the run looks at it.
    ui->ToolButton11->setEnabled(!busy || stoppable);
    for (QWidget *control : std::initializer_list<QWidget *>{
             ui->ToolButton1, ui->ToolButton6, ui->ButtonRestore, ui->ButtonSettings, ui->ButtonOpen2, ui->ButtonOpen3,
             ui->ButtonZiel, ui->SpeedButton3, ui->ButtonClose, ui->CheckBox1, ui->EditZielDir})
        control->setEnabled(!busy);
    if (!busy && std::exchange(m_closeWhenDone, false))
        close();
}

void TFormBackup::setBar(int percent)
{
    const int clamped = std::clamp(percent, 0, 100);
    ui->Balken->setFixedWidth(int(std::lround(clamped * ui->Panel1->width() / 100.0)));
}

void TFormBackup::showProgress(int percent)
{
    setBar(percent);
    ui->Balken->repaint();
    QCoreApplication::processEvents();
}

bool TFormBackup::takeStopRequest()
{
    return std::exchange(m_stopRequested, false);
}

void TFormBackup::showFolders(const QString &dataFolder, const QString &destination)
{
    ui->EditDir->setText(dataFolder);
    ui->EditZielDir->setText(destination);
}

void TFormBackup::markSaved(int row)
{
    ui->ListBox1->item(row)->setText(QStringLiteral("  "));
}

void TFormBackup::unmarkSaved(int row, const QString &text)
{
    ui->ListBox1->item(row)->setText(text);
}

void TFormBackup::showSavedCount(int saved)
{
    ui->Label4->setText(QString::number(saved) + QStringLiteral(" Datei(en) gesichert"));
}

void TFormBackup::dropSavedRows()
{
    for (int row = ui->ListBox1->count() - 1; row >= 0; --row) {
        if (TextTrim::trimmed(ui->ListBox1->item(row)->text()).isEmpty())
            delete ui->ListBox1->takeItem(row);
    }
    showCount();
}

void TFormBackup::showTarget(const QString &target)
{
    m_statusTarget->setText(target);
}

void TFormBackup::clearRows()
{
    ui->ListBox1->clear();
    showCount();
}

void TFormBackup::openFolder(const QString &folder)
{
    if (!FolderOpener::open(folder))
        Platform::dialogs().captionedMessage(QStringLiteral("RuVE"),
                                             QStringLiteral("Fehler beim Ausführen von Windows Explorer!"),
                                             Dialogs::Icon::Information);
}

void TFormBackup::showError(const QString &text)
{
    Platform::dialogs().notice(Dialogs::NoticeKind::Error, text);
}

void TFormBackup::showInformation(const QString &text)
{
    Platform::dialogs().notice(Dialogs::NoticeKind::Information, text);
}

bool TFormBackup::confirm(const QString &question)
{
    return Platform::dialogs().notice(Dialogs::NoticeKind::Confirmation, question);
}

std::optional<QString> TFormBackup::askArchiveName(const QString &preset)
{
    return Platform::dialogs().inputLine(QStringLiteral("Backup"), QStringLiteral("Dateiname"), preset);
}

bool TFormBackup::confirmRestore()
{
    return Platform::dialogs().captionedQuestion(
        QStringLiteral("Velquarin"),
        QStringLiteral("Vorhandene Daten werden beim Zurücksichern überschrieben. Wollen Sie den Vorgang fortsetzen?"));
}

QStringList TFormBackup::chooseBackupFiles(const QString &folder)
{
    return Platform::dialogs().openFiles(QStringLiteral("Öffnen"), QStringLiteral("Alle (*)"), folder);
}
