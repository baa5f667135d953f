#include "app/TFormLizenz.h"

#include "ui_TFormLizenz.h"

#include "backup/RestoreJournal.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/FailureNotice.h"
#include "platform/Help.h"
#include "platform/Places.h"
#include "platform/Platform.h"
#include "platform/Process.h"
#include "platform/WindowBackground.h"
#include "register/InvoiceFile.h"
#include "register/RecordEditor.h"
#include "settings/DataFolder.h"
#include "settings/LoginGate.h"
#include "settings/SettingsReport.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>

namespace {

struct PanelLayout {
    int width;
    Qt::Alignment alignment;
    const char *text;
};

constexpr PanelLayout kPanels[] = {
    {170, Qt::AlignRight, "Datensatz:"},
    {40, Qt::AlignHCenter, "0"},
    {30, Qt::AlignLeft, "von"},
    {40, Qt::AlignLeft, "0"},
    {90, Qt::AlignLeft, "Rechnungsjahr:"},
    {30, Qt::AlignLeft, ""},
};

constexpr int kPictureInterval = 10000;
const QPoint kMenuOffset(300, 55);

} // namespace

TFormLizenz::TFormLizenz(QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                  | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , ui(std::make_unique<Ui::TFormLizenz>())
{
    ui->setupUi(this);
    setFixedSize(size());
    QFont tahoma(QStringList{QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans")});
    tahoma.setPixelSize(13);
    setFont(tahoma);
    setUpStatusBar();
    m_editor = new RecordEditor(*this, m_session, statusPanel(2), statusPanel(4));
    setUpMenu();
    setUpKeys();
    connectEditor();
    TimerAds = new QTimer(this);
    TimerAds->setObjectName(QStringLiteral("TimerAds"));
    connect(TimerAds, &QTimer::timeout, this, &TFormLizenz::TimerAdsTimer);
    TimerAds->start(kPictureInterval);
}

TFormLizenz::~TFormLizenz() = default;

QLabel &TFormLizenz::statusPanel(int number) const
{
    return *m_panels[number - 1];
}

QAction &TFormLizenz::action(const char *name) const
{
    return *PopupMenu1->findChild<QAction *>(QLatin1String(name));
}

QToolButton &TFormLizenz::button(const char *name) const
{
    return *findChild<QToolButton *>(QLatin1String(name));
}

void TFormLizenz::setUpStatusBar()
{
    QFont panelFont = font();
    panelFont.setPixelSize(11);
    ui->StatusBar1->setFont(panelFont);
    for (const PanelLayout &layout : kPanels) {
        auto *panel = new QLabel(QString::fromUtf8(layout.text), ui->StatusBar1);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(m_panels.size() + 1));
        panel->setFixedWidth(layout.width);
        panel->setAlignment(layout.alignment | Qt::AlignVCenter);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        ui->StatusBar1->addWidget(panel);
        m_panels.append(panel);
    }
}

void TFormLizenz::setUpMenu()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    const auto item = [](QMenu *menu, const char *name, const QString &caption) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    item(PopupMenu1, "Jahrladen1", QStringLiteral("Jahr laden"));
    PopupMenu1->addSeparator();
    item(PopupMenu1, "Suchen1", QStringLiteral("Suchen"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    item(PopupMenu1, "Weitersuchen1", QStringLiteral("Weitersuchen"))->setShortcut(QKeySequence(Qt::Key_F3));
    PopupMenu1->addSeparator();
    QMenu *lists = PopupMenu1->addMenu(QStringLiteral("Rechnungen"));
    lists->menuAction()->setObjectName(QStringLiteral("Liste1"));
    item(lists, "Alle1", QStringLiteral("Alle"));
    item(lists, "Faellig1", QStringLiteral("Fällig"));
    item(lists, "Offen1", QStringLiteral("Offen"));
    QMenu *banking = PopupMenu1->addMenu(QStringLiteral("Banking"));
    banking->menuAction()->setObjectName(QStringLiteral("Banking1"));
    item(banking, "Onlinebanking1", QStringLiteral("Onlinebanking öffnen"));
    item(banking, "QRCode1", QStringLiteral("QR-Code generieren"));
    PopupMenu1->addSeparator();
    item(PopupMenu1, "Dokumente1", QStringLiteral("Dokumente"));
    item(PopupMenu1, "Mailsenden1", QStringLiteral("Mail senden"));
    PopupMenu1->addSeparator();
    item(PopupMenu1, "Einstellungen1", QStringLiteral("Einstellungen"));
    PopupMenu1->addSeparator();
    item(PopupMenu1, "Info1", QStringLiteral("Info"));
    PopupMenu1->addSeparator();
    connect(item(PopupMenu1, "Beenden1", QStringLiteral("Beenden")), &QAction::triggered, this,
            &TFormLizenz::Beenden1Click);
}

// The window handles these keys before the focused field; menu shortcuts only fire while the menu is
// open, so the two search items are added to the window as well.
void TFormLizenz::setUpKeys()
{
    for (const char *name : {"Suchen1", "Weitersuchen1"}) {
        QAction &item = action(name);
        item.setShortcutContext(Qt::WindowShortcut);
        addAction(&item);
    }
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, &TFormLizenz::HelpKey);
}

void TFormLizenz::connectEditor()
{
    RecordEditor *editor = m_editor;
    connect(ui->ButtonFirst, &QToolButton::clicked, editor, &RecordEditor::ButtonFirstClick);
    connect(ui->ButtonBack, &QToolButton::clicked, editor, &RecordEditor::ButtonBackClick);
    connect(ui->ButtonNext, &QToolButton::clicked, editor, &RecordEditor::ButtonNextClick);
    connect(ui->ButtonLast, &QToolButton::clicked, editor, &RecordEditor::ButtonLastClick);
    connect(ui->ButtonSave, &QToolButton::clicked, editor, &RecordEditor::ButtonSaveClick);
    connect(ui->ButtonClear, &QToolButton::clicked, editor, &RecordEditor::ButtonClearClick);
    connect(ui->ToolButtonDel, &QToolButton::clicked, editor, &RecordEditor::ToolButtonDelClick);
    connect(ui->ButtonUpDown, &QToolButton::clicked, editor, &RecordEditor::ButtonUpDownClick);
    connect(ui->ToolButton1, &QToolButton::clicked, this, &TFormLizenz::ToolButton1Click);
}

bool TFormLizenz::FormShow(TFormLogin &login)
{
    RunContext &context = m_context;
    context.RechJahr = QString::number(Platform::clock().today().year());
    ui->Button1->setFocus();
    m_editor->resetState();
    if (!settleDataFolder())
        return endAtStart();
    m_session.setPath(InvoiceFile::pathFor(context.DatenPfad, context.RechJahr));
    context.IniDatei = context.DatenPfad + QStringLiteral("zettmar.ini");
    // Without the settings the program password cannot be checked, so there is no way past it.
    if (!SettingsReport::load(context.Settings, context.IniDatei))
        return endAtStart();
    if (!LoginGate::admit(login, context.Settings.value(SettingsLine::ProgramPassword)))
        return false;
    context.MailProgramm = Platform::places().mailClient();
    if (!context.MailProgramm.isEmpty())
        SettingsReport::save(context.Settings, context.IniDatei);
    statusPanel(6).setText(context.RechJahr);
    loadYearFile();
    return true;
}

// A fresh account may lack the parent folders too, so the whole path is made.
bool TFormLizenz::settleDataFolder()
{
    m_context.DatenPfad = Platform::places().dataFolder();
    const QString reason = DataFolder::create(m_context.DatenPfad);
    if (!reason.isEmpty()) {
        Platform::dialogs().notice(
            Dialogs::NoticeKind::Error,
            QStringLiteral("Der Ordner \"%1\" kann nicht erstellt werden. %2").arg(m_context.DatenPfad, reason));
        return false;
    }
    DataFolder::removeSaveLeftovers(m_context.DatenPfad);
    // A restore the program did not live to finish is finished or undone before anything is read.
    const QString recovery = RestoreJournal::recover(m_context.DatenPfad);
    if (!recovery.isEmpty()) {
        Platform::dialogs().notice(
            Dialogs::NoticeKind::Error,
            QStringLiteral("Eine unterbrochene Wiederherstellung im Ordner \"%1\" kann nicht abgeschlossen werden. %2")
                .arg(m_context.DatenPfad, recovery));
        return false;
    }
    return true;
}

bool TFormLizenz::endAtStart()
{
    Platform::process().endNow(1);
    return false;
}

void TFormLizenz::loadYearFile()
{
    if (!m_session.fileExists()) {
        m_editor->startNewYear();
        return;
    }
    m_editor->load();
}

void TFormLizenz::loadYear(const QString &year, const QString &path)
{
    if (!m_editor->offerToSave())
        return;
    m_session.setPath(path);
    m_context.RechJahr = year;
    statusPanel(6).setText(year);
    if (m_session.fileExists()) {
        m_editor->load();
        return;
    }
    m_editor->resetState();
    m_editor->startNewYear();
    statusPanel(2).setText(QStringLiteral("0"));
    statusPanel(4).setText(QStringLiteral("0"));
}

void TFormLizenz::TimerAdsTimer()
{
    if (ui->Image1->isVisible()) {
        ui->Image1->hide();
        showPicture(*ui->Image2, QStringLiteral(":/pictures/side2.png"));
    } else if (ui->Image2->isVisible()) {
        ui->Image2->hide();
        showPicture(*ui->Image3, QStringLiteral(":/pictures/side3.png"));
    } else {
        ui->Image3->hide();
        ui->Image1->show();
    }
}

// The first picture is all the start shows; the others are read when their turn first comes.
void TFormLizenz::showPicture(QLabel &label, const QString &picture)
{
    if (label.pixmap().isNull())
        label.setPixmap(QPixmap(picture));
    label.show();
}

void TFormLizenz::ToolButton1Click()
{
    PopupMenu1->popup(frameGeometry().topLeft() + kMenuOffset);
}

void TFormLizenz::Beenden1Click()
{
    if (!m_editor->offerToSave())
        return;
    m_quitAsked = true;
    close();
}

void TFormLizenz::HelpKey()
{
    FailureNotice::show(Platform::help().show(0));
}

void TFormLizenz::closeEvent(QCloseEvent *event)
{
    // Only typed input counts here: fields cleared by "Neu" and left untouched close without a question.
    if (!m_quitAsked && m_session.isModified() && !m_editor->askToStore()) {
        event->ignore();
        return;
    }
    m_quitAsked = true;
    event->accept();
}

void TFormLizenz::paintEvent(QPaintEvent *)
{
    WindowBackground::paintGradient(*this, QColor(148, 148, 148));
}
