#include "app/AppWindows.h"

AppWindows::AppWindows()
{
    m_main.AboutBox = &m_about;
    m_main.FormIni = &m_ini;
    m_main.FormPlz = &m_plz;
}

bool AppWindows::start()
{
    if (!m_main.FormShow(m_login))
        return false;
    m_main.show();
    return true;
}
