#include "app/AppWindows.h"

#include "documents/DocumentKey.h"
#include "documents/DocumentKeyChange.h"
#include "mail/MailBinding.h"
#include "payments/CreditorBinding.h"
#include "payments/PaymentQrCommand.h"
#include "platform/Dialogs.h"
#include "platform/FailureNotice.h"
#include "platform/Platform.h"
#include "register/RecordEditor.h"
#include "tools/ReleaseNumber.h"

#include <QAction>
#include <QApplication>
#include <QToolButton>

#include <functional>
#include <utility>

namespace {

using Wiring = std::pair<const char *, std::function<void()>>;

void lift(QWidget &window)
{
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.raise();
    window.activateWindow();
}

} // namespace

AppWindows::AppWindows()
{
    wire();
    wireRecords();
}

// The one list of what each menu item and button of the main window does.
void AppWindows::wire()
{
    auto *creditor = new CreditorBinding(m_main.editor());
    auto *mail = new MailBinding(m_main.editor(), m_main.context().MailProgramm);
    const auto sendMail = [mail] { mail->Mailsenden1Click(); };
    const auto showAll = [this] { m_lists->Alle1Click(); };
    const Wiring items[] = {
        {"Jahrladen1", [this] { m_years->Jahrladen1Click(); }},
        {"Suchen1", [this] { m_search->Suchen1Click(); }},
        {"Weitersuchen1", [this] { m_search->Weitersuchen1Click(); }},
        {"Alle1", showAll},
        {"Faellig1", [this] { m_lists->Faellig1Click(); }},
        {"Offen1", [this] { m_lists->Offen1Click(); }},
        {"Onlinebanking1", [this] { m_settings->Onlinebanking1Click(); }},
        {"QRCode1", [this] { QRCode1Click(); }},
        {"Dokumente1", [this] { Dokumente1Click(); }},
        {"Mailsenden1", sendMail},
        {"Einstellungen1", [this] { m_settings->Einstellungen1Click(); }},
        {"Info1", [this] { Info1Click(); }},
    };
    const Wiring buttons[] = {
        {"ToolButton2", showAll},
        {"ButtonPlz", [this] { ButtonPlzClick(); }},
        {"ButtonCopyB", [creditor] { creditor->ButtonCopyBClick(); }},
        {"ButtonPasteB", [creditor] { creditor->ButtonPasteBClick(); }},
        {"SpeedButton1", [creditor] { creditor->SpeedButton1Click(); }},
        {"SpeedButton2", sendMail},
    };
    for (const auto &[name, run] : items)
        QObject::connect(&m_main.action(name), &QAction::triggered, &m_main, run);
    for (const auto &[name, run] : buttons)
        QObject::connect(&m_main.button(name), &QToolButton::clicked, &m_main, run);
}

// A stored record whose document key changed takes its document list along.
void AppWindows::wireRecords()
{
    QObject::connect(&m_main.session(), &RecordSession::recordReplaced, &m_main,
                     [this](const QString &previousLine, const QString &storedLine) {
                         FailureNotice::show(
                             DocumentKeyChange::follow(m_main.context().DatenPfad, previousLine, storedLine));
                     });
}

std::unique_ptr<TFormIni> AppWindows::makeSettingsWindow()
{
    auto settings = std::make_unique<TFormIni>(m_main);
    settings->openBackup = [this](const QString &dataFolder, const QString &destination) {
        m_backup->IniPath = dataFolder;
        m_backup->DataPfad = dataFolder;
        m_backup->BackupDir = destination;
        Platform::dialogs().exec(*m_backup);
        return m_backup->BackupDir;
    };
    return settings;
}

bool AppWindows::start()
{
    if (!m_main.FormShow(m_login))
        return false;
    m_main.show();
    return true;
}

// The main window only once the start-up showed it; an open modal window (the login, too) on top.
void AppWindows::bringToFront()
{
    if (m_main.isVisible())
        lift(m_main);
    if (QWidget *modal = QApplication::activeModalWidget())
        lift(*modal);
}

void AppWindows::Info1Click()
{
    m_about->setRelease(ReleaseNumber::ofThisBuild());
    Platform::dialogs().exec(*m_about);
}

// With both address fields empty the term of the last lookup is searched again.
void AppWindows::ButtonPlzClick()
{
    const RecordEditor &editor = m_main.editor();
    m_plz->DataPath = m_main.context().DatenPfad;
    const QString code = editor.fieldText(InvoiceLine::Plz);
    const QString town = editor.fieldText(InvoiceLine::City);
    if (!code.isEmpty())
        m_plz->SuchPlz = code;
    else if (!town.isEmpty())
        m_plz->SuchPlz = town;
    Platform::dialogs().exec(*m_plz);
}

// The key is taken from the fields as they stand, saved or not.
void AppWindows::Dokumente1Click()
{
    const RecordEditor &editor = m_main.editor();
    m_docs->Unternehmen = DocumentKey::of(editor.fieldText(InvoiceLine::Name), editor.fieldText(InvoiceLine::ReNummer));
    m_docs->DatenPfad = m_main.context().DatenPfad;
    Platform::dialogs().exec(*m_docs);
}

void AppWindows::QRCode1Click()
{
    PaymentQrCommand::run(m_main.editor(), m_main.context().DatenPfad, *m_qr);
}
