#pragma once

class TFormJahre;
class TFormLizenz;

// "Jahr laden": the years of the data folder to choose from, the chosen one loaded into the main window.
class YearCommand {
public:
    YearCommand(TFormLizenz &main, TFormJahre &years);

    void Jahrladen1Click();

private:
    TFormLizenz &m_main;
    TFormJahre &m_years;
};
