#include "settings/TFormIni.h"

#include "ui_TFormIni.h"

#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/FailureNotice.h"
#include "platform/Platform.h"
#include "platform/PointerSynth.h"
#include "platform/TextTrim.h"
#include "platform/WebAddress.h"
#include "platform/WindowBackground.h"
#include "settings/ScreenPlacement.h"
#include "settings/SettingsEntryCheck.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsLine.h"

#include <QGuiApplication>
#include <QHideEvent>
#include <QScreen>
#include <QTimer>

namespace {

constexpr int kReservedLines = 3;
constexpr int kTimerMausInterval = 100;
const QPoint kOffsetFromMainWindow(-45, 100);

// The caption the user knows each stored line by, for the notice that refuses it.
struct CheckedLine {
    SettingsLine line;
    const char *caption;
};

constexpr CheckedLine kCheckedLines[] = {
    {SettingsLine::AccountHolder, "Kontoinhaber"},
    {SettingsLine::BankingLogin, "Login Banking (URL)"},
    {SettingsLine::BankingUser, "User"},
    {SettingsLine::BankingPassword, "Passwort"},
    {SettingsLine::BackupFolder, "Backup-Zielordner"},
    {SettingsLine::ProgramPassword, "Programmpasswort"},
};

QRect availableAreaAt(QPoint point)
{
    const QScreen *screen = QGuiApplication::screenAt(point);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen->availableGeometry();
}

QString folderOf(const QString &path)
{
    return TextTrim::trimmed(QStringView(path).left(path.lastIndexOf(u'/') + 1));
}

} // namespace

TFormIni::TFormIni(const QWidget &mainWindow)
    : ui(std::make_unique<Ui::TFormIni>())
    , m_mainWindow(mainWindow)
    , m_reservedLines(kReservedLines)
{
    ui->setupUi(this);
    setFixedSize(size());
    TimerMaus = new QTimer(this);
    TimerMaus->setObjectName(QStringLiteral("TimerMaus"));
    TimerMaus->setInterval(kTimerMausInterval);
    connect(TimerMaus, &QTimer::timeout, this, &TFormIni::TimerMausTimer);
    connect(ui->ButtonSave, &QPushButton::clicked, this, &TFormIni::ButtonSaveClick);
    connect(ui->ButtonClose, &QPushButton::clicked, this, &TFormIni::ButtonCloseClick);
    connect(ui->ButtonPass, &QPushButton::clicked, this, &TFormIni::ButtonPassClick);
    connect(ui->ButtonUrl, &QToolButton::clicked, this, &TFormIni::ButtonUrlClick);
    connect(ui->ButtonBak, &QToolButton::clicked, this, &TFormIni::ButtonBakClick);
    connect(ui->ButonUser, &QToolButton::clicked, this, &TFormIni::ButonUserClick);
    connect(ui->SpeedButton1, &QToolButton::clicked, this, &TFormIni::SpeedButton1Click);
}

TFormIni::~TFormIni() = default;

void TFormIni::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

// Closed, not merely minimised: a paste still armed would type the banking password into whatever
// window the user clicks next.
void TFormIni::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        TimerMaus->stop();
}

void TFormIni::paintEvent(QPaintEvent *)
{
    WindowBackground::paintGradient(*this, QColor(182, 182, 182));
}

void TFormIni::FormShow()
{
    place();
    Abbruch = false;
    load();
    ui->EditData->setText(folderOf(IniDatei));
}

void TFormIni::place()
{
    const QSize frame = frameGeometry().size();
    const QPoint wanted = QPoint(FLeft, FTop) + kOffsetFromMainWindow;
    if (m_shownBefore) {
        move(ScreenPlacement::within(wanted, frame, availableAreaAt(wanted)));
        return;
    }
    m_shownBefore = true;
    const QRect owner = m_mainWindow.frameGeometry();
    move(ScreenPlacement::centredOver(owner, frame, availableAreaAt(owner.center())));
}

// A missing file leaves the fields as they were last shown.
void TFormIni::load()
{
    const SettingsFile file(IniDatei);
    if (!file.exists())
        return;
    const SettingsFile::Loaded loaded = file.loadForSettingsWindow();
    if (!loaded.readError.isEmpty()) {
        Platform::dialogs().notice(
            Dialogs::NoticeKind::Error,
            QStringLiteral("Die Einstellungen \"%1\" können nicht gelesen werden. %2").arg(IniDatei, loaded.readError));
        return;
    }
    const QStringList &lines = loaded.lines;
    m_reservedLines = lines.mid(0, kReservedLines);
    ui->EditFirma->setText(lines[indexOf(SettingsLine::AccountHolder)]);
    ui->EditLogin->setText(lines[indexOf(SettingsLine::BankingLogin)]);
    ui->EditUser->setText(lines[indexOf(SettingsLine::BankingUser)]);
    ui->EditPass->setText(lines[indexOf(SettingsLine::BankingPassword)]);
    LastRestore = lines[indexOf(SettingsLine::BackupFolder)];
    ui->EditProgPass->setText(lines[indexOf(SettingsLine::ProgramPassword)]);
    if (!loaded.encipherError.isEmpty())
        Platform::dialogs().plainMessage(QStringLiteral("Fehler INI Datei speeichern!"));
}

// Nothing is written when one value cannot be stored as it stands.
bool TFormIni::save()
{
    const QStringList lines = fieldLines();
    const QString problem = firstProblem(lines);
    if (!problem.isEmpty()) {
        Platform::dialogs().notice(Dialogs::NoticeKind::Error, problem);
        return false;
    }
    if (!SettingsFile(IniDatei).saveForSettingsWindow(lines, EndDate).isEmpty()) {
        Platform::dialogs().plainMessage(QStringLiteral("Fehler INI speichern!"));
        return false;
    }
    return true;
}

QStringList TFormIni::fieldLines() const
{
    QStringList lines = m_reservedLines;
    lines.resize(settingsLineCount);
    lines[indexOf(SettingsLine::AccountHolder)] = ui->EditFirma->text();
    lines[indexOf(SettingsLine::BankingLogin)] = ui->EditLogin->text();
    lines[indexOf(SettingsLine::BankingUser)] = ui->EditUser->text();
    lines[indexOf(SettingsLine::BankingPassword)] = ui->EditPass->text();
    lines[indexOf(SettingsLine::BackupFolder)] = LastRestore;
    lines[indexOf(SettingsLine::ProgramPassword)] = ui->EditProgPass->text();
    return lines;
}

QString TFormIni::firstProblem(const QStringList &lines) const
{
    for (const CheckedLine &checked : kCheckedLines) {
        const QString problem
            = SettingsEntryCheck::problem(QString::fromUtf8(checked.caption), lines[indexOf(checked.line)]);
        if (!problem.isEmpty())
            return problem;
    }
    return {};
}

void TFormIni::ButtonSaveClick()
{
    save();
}

void TFormIni::ButtonCloseClick()
{
    Abbruch = true;
    reject();
}

// The caption names what the next click shows.
void TFormIni::ButtonPassClick()
{
    const bool masked = ui->EditProgPass->echoMode() == QLineEdit::Password;
    ui->EditProgPass->setEchoMode(masked ? QLineEdit::Normal : QLineEdit::Password);
    ui->ButtonPass->setText(masked ? QStringLiteral("***") : QStringLiteral("Abc"));
}

// A bare host name would reach the bank over plain http.
void TFormIni::ButtonUrlClick()
{
    const QString address = TextTrim::trimmed(ui->EditLogin->text());
    if (!address.isEmpty())
        FailureNotice::show(WebAddress::open(address));
}

// The backup window keeps its history beside the settings file, in the data folder; the destination
// it was left with is the one offered next time, so it is stored at once.
void TFormIni::ButtonBakClick()
{
    const QString folder = TextTrim::trimmed(ui->EditData->text());
    if (folder.isEmpty())
        return;
    LastRestore = openBackup(folder, LastRestore);
    save();
}

void TFormIni::ButonUserClick()
{
    copyAndArm(*ui->EditUser);
}

void TFormIni::SpeedButton1Click()
{
    copyAndArm(*ui->EditPass);
}

// Where no input can be synthesised the text is only copied, and the user pastes it.
void TFormIni::copyAndArm(QLineEdit &field)
{
    field.selectAll();
    Platform::clipboard().setText(field.text());
    if (Platform::pointerSynth().available())
        TimerMaus->start();
}

// The user's press goes to the page under the pointer but may not give the field the focus for the
// paste; the click sent at the same point does. Events run between the click and the keys, so the focus
// has moved before the paste arrives.
void TFormIni::TimerMausTimer()
{
    PointerSynth &synth = Platform::pointerSynth();
    if (!synth.primaryButtonDown())
        return;
    synth.movePointer(synth.pointerPosition());
    synth.primaryButton(true);
    synth.primaryButton(false);
    QCoreApplication::processEvents();
    synth.key(PointerSynth::Key::Control, true);
    synth.key(PointerSynth::Key::V, true);
    synth.key(PointerSynth::Key::Control, false);
    synth.key(PointerSynth::Key::V, false);
    TimerMaus->stop();
    QCoreApplication::processEvents();
}
