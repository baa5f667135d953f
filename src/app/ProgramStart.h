#pragma once

#include "app/DesktopServices.h"

#include <memory>

class AppWindows;
class InstanceLock;
class TFormLizenz;

// The way from the process start to the shown main window, the same for the program and its start-up
// benchmark: the desktop's services, the data folder and its lock, the windows, the answer to a later
// start for the same folder, the main window centred on the screen.
class ProgramStart {
public:
    // Needs the QApplication to exist.
    ProgramStart();
    ~ProgramStart();
    ProgramStart(const ProgramStart &) = delete;
    ProgramStart &operator=(const ProgramStart &) = delete;

    // False when this start ends here: another copy runs for the folder, or the start-up ended it.
    bool run();
    TFormLizenz &mainWindow();

private:
    DesktopServices m_services;
    std::unique_ptr<InstanceLock> m_lock;
    std::unique_ptr<AppWindows> m_windows;
};
