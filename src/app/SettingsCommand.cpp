#include "app/SettingsCommand.h"

#include "app/TFormLizenz.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "settings/SettingsReport.h"
#include "settings/TFormIni.h"

SettingsCommand::SettingsCommand(TFormLizenz &main, TFormIni &settings)
    : m_main(main)
    , m_ini(settings)
{
}

void SettingsCommand::Einstellungen1Click()
{
    m_ini.FTop = m_main.y();
    m_ini.FLeft = m_main.x();
    openSettingsWindow();
    RunContext &context = m_main.context();
    if (!m_ini.Abbruch)
        SettingsReport::load(context.Settings, context.IniDatei);
}

// The banking page is the user's target here; the settings window stays in front of it, alone.
void SettingsCommand::Onlinebanking1Click()
{
    m_main.showMinimized();
    openSettingsWindow();
    m_main.showNormal();
}

void SettingsCommand::openSettingsWindow()
{
    const RunContext &context = m_main.context();
    m_ini.IniDatei = context.IniDatei;
    m_ini.LastRestore = context.Settings.value(SettingsLine::BackupFolder);
    m_ini.EndDate = context.Settings.value(SettingsLine::Reserved9);
    Platform::dialogs().exec(m_ini);
}
