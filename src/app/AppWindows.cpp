#include "app/AppWindows.h"

AppWindows::AppWindows() = default;
