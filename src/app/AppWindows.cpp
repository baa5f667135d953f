#include "app/AppWindows.h"

AppWindows::AppWindows()
{
    m_main.useRegisterWindows(m_frage, m_liste, m_jahre);
}

bool AppWindows::start()
{
    if (!m_main.FormShow(m_login))
        return false;
    m_main.show();
    return true;
}
