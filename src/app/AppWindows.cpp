#include "app/AppWindows.h"

#include "documents/DocumentKey.h"
#include "documents/DocumentKeyChange.h"
#include "payments/PaymentQrCommand.h"
#include "platform/Dialogs.h"
#include "platform/FailureNotice.h"
#include "platform/Platform.h"
#include "register/RecordEditor.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

namespace {

void lift(QWidget &window)
{
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.raise();
    window.activateWindow();
}

} // namespace

AppWindows::AppWindows()
{
    m_ini.openBackup = [this](const QString &dataFolder, const QString &destination) {
        m_backup.IniPath = dataFolder;
        m_backup.DataPfad = dataFolder;
        m_backup.BackupDir = destination;
        Platform::dialogs().exec(m_backup);
        return m_backup.BackupDir;
    };
    m_main.useToolWindows(m_about, m_ini, m_plz);
    m_main.useRegisterWindows(m_frage, m_liste, m_jahre);
    QObject::connect(m_main.popupMenu().findChild<QAction *>(QStringLiteral("QRCode1")), &QAction::triggered, &m_qr,
                     [this] { PaymentQrCommand::run(m_main.editor(), m_main.context().DatenPfad, m_qr); });
    QObject::connect(m_main.popupMenu().findChild<QAction *>(QStringLiteral("Dokumente1")), &QAction::triggered,
                     &m_main, [this] { Dokumente1Click(); });
    QObject::connect(&m_main.session(), &RecordSession::recordReplaced, &m_main,
                     [this](const QString &previousLine, const QString &storedLine) {
                         FailureNotice::show(
                             DocumentKeyChange::follow(m_main.context().DatenPfad, previousLine, storedLine));
                     });
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

// The key is taken from the fields as they stand, saved or not.
void AppWindows::Dokumente1Click()
{
    const RecordEditor &editor = m_main.editor();
    m_docs.Unternehmen = DocumentKey::of(editor.fieldText(InvoiceLine::Name), editor.fieldText(InvoiceLine::ReNummer));
    m_docs.DatenPfad = m_main.context().DatenPfad;
    Platform::dialogs().exec(m_docs);
}
