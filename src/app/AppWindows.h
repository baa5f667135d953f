#pragma once

#include "app/TFormLizenz.h"

// Every window of the program, created once at start in a fixed order with the main window first,
// living until the program ends.
class AppWindows {
public:
    AppWindows();
    TFormLizenz &main() { return m_main; }

private:
    TFormLizenz m_main;
};
