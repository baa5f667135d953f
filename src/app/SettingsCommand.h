#pragma once

class TFormIni;
class TFormLizenz;

// "Einstellungen" and "Onlinebanking öffnen": both open the settings window for the main window's run.
class SettingsCommand {
public:
    SettingsCommand(TFormLizenz &main, TFormIni &settings);

    void Einstellungen1Click();
    void Onlinebanking1Click();

private:
    void openSettingsWindow();

    TFormLizenz &m_main;
    TFormIni &m_ini;
};
