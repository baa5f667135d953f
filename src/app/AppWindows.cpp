#include "app/AppWindows.h"

AppWindows::AppWindows()
{
    m_main.FormLogin = &m_login;
}

bool AppWindows::start()
{
    if (!m_main.FormShow())
        return false;
    m_main.show();
    return true;
}
