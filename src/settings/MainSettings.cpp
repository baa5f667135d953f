#include "settings/MainSettings.h"

#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "settings/SettingsFile.h"

void MainSettings::load(const QString &path)
{
    const SettingsFile file(path);
    if (!file.exists())
        return;
    const SettingsFile::Loaded loaded = file.loadForMainWindow();
    if (!loaded.readError.isEmpty()) {
        Platform::dialogs().notice(Dialogs::NoticeKind::Error, loaded.readError);
        return;
    }
    m_values = loaded.lines;
    if (!loaded.encipherError.isEmpty())
        Platform::dialogs().plainMessage(QStringLiteral("Fehler beim Laden der INI Datei!"));
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
