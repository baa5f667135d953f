#include "app/AppWindows.h"

#include "payments/PaymentQrCommand.h"

#include <QAction>
#include <QMenu>

AppWindows::AppWindows()
{
    m_main.AboutBox = &m_about;
    m_main.FormIni = &m_ini;
    m_main.FormPlz = &m_plz;
    m_ini.FormBackup = &m_backup;
    QObject::connect(m_main.popupMenu().findChild<QAction *>(QStringLiteral("QRCode1")), &QAction::triggered, &m_qr,
                     [this] { PaymentQrCommand::run(m_main.editor(), m_main.context().DatenPfad, m_qr); });
}

bool AppWindows::start()
{
    if (!m_main.FormShow(m_login))
        return false;
    m_main.show();
    return true;
}
