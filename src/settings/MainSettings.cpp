#include "settings/MainSettings.h"

#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "settings/SettingsFile.h"

bool MainSettings::load(const QString &path)
{
    const SettingsFile file(path);
    if (!file.exists())
        return true;
    const SettingsFile::Loaded loaded = file.loadForMainWindow();
    if (!loaded.readError.isEmpty()) {
        Platform::dialogs().notice(Dialogs::NoticeKind::Error,
                                   QStringLiteral("Die Einstellungen \"%1\" können nicht gelesen werden. %2")
                                       .arg(path, loaded.readError));
        return false;
    }
    m_values = loaded.lines;
    if (!loaded.encipherError.isEmpty())
        Platform::dialogs().plainMessage(QStringLiteral("Fehler beim Laden der INI Datei!"));
    return true;
}

void MainSettings::save(const QString &path) const
{
    if (!SettingsFile(path).saveForMainWindow(m_values).isEmpty())
        Platform::dialogs().plainMessage(QStringLiteral("Fehler INI Datei speeichern!"));
}

QString MainSettings::value(SettingsLine line) const
{
    return m_values[indexOf(line)];
}
