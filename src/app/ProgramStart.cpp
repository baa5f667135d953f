#include "app/ProgramStart.h"

#include "app/AppWindows.h"
#include "platform/InstanceLock.h"
#include "settings/DataFolder.h"

#include <QApplication>
#include <QScreen>

namespace {

void centreOnScreen(QWidget &window)
{
    window.move(QApplication::primaryScreen()->availableGeometry().center() - window.rect().center());
}

} // namespace

ProgramStart::ProgramStart() = default;

ProgramStart::~ProgramStart() = default;

bool ProgramStart::run()
{
    // The lock lies in the data folder; a failure to make the folder is the start-up's to report.
    const QString dataFolder = m_services.places().dataFolder();
    DataFolder::create(dataFolder);
    m_lock = std::make_unique<InstanceLock>(dataFolder);
    if (!m_lock->admit())
        return false;
    m_services.shell().beforeNewInstance = [this] { m_lock->release(); };
    m_windows = std::make_unique<AppWindows>();
    QObject::connect(m_lock.get(), &InstanceLock::frontRequested, &m_windows->main(),
                     [this] { m_windows->bringToFront(); });
    centreOnScreen(m_windows->main());
    return m_windows->start();
}

TFormLizenz &ProgramStart::mainWindow()
{
    return m_windows->main();
}
