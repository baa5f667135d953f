#include "app/AppWindows.h"

AppWindows::AppWindows() = default;

bool AppWindows::start()
{
    if (!m_main.FormShow(m_login))
        return false;
    m_main.show();
    return true;
}
