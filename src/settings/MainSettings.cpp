#include "settings/MainSettings.h"

#include "settings/SettingsFile.h"

MainSettings::LoadFailure MainSettings::load(const QString &path)
{
    const SettingsFile file(path);
    if (!file.exists())
        return {};
    const SettingsFile::Loaded loaded = file.loadForMainWindow();
    if (!loaded.readError.isEmpty())
        return {QStringLiteral("Die Einstellungen \"%1\" können nicht gelesen werden. %2").arg(path, loaded.readError),
                QString()};
    m_values = loaded.lines;
    if (!loaded.encipherError.isEmpty())
        return {QString(), QStringLiteral("Fehler beim Laden der INI Datei!")};
    return {};
}

QString MainSettings::save(const QString &path) const
{
    if (!SettingsFile(path).saveForMainWindow(m_values).isEmpty())
        return QStringLiteral("Fehler INI Datei speeichern!");
    return {};
}

QString MainSettings::value(SettingsLine line) const
{
    return m_values[indexOf(line)];
}
