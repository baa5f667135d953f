#include "PlatformDoubles.h"

#include "platform/DesktopPlaces.h"

#include <QDir>
#include <QFile>

bool RecordingShell::open(const QString &target)
{
    calls.append(QStringLiteral("open ") + target);
    return succeeds;
}

bool RecordingShell::start(const QString &program, const QStringList &arguments)
{
    QString call = QStringLiteral("start ") + program;
    for (const QString &argument : arguments)
        call += QStringLiteral(" [%1]").arg(argument);
    calls.append(call);
    return succeeds;
}

bool RecordingShell::openFolder(const QString &folder)
{
    calls.append(QStringLiteral("folder ") + folder);
    return succeeds;
}

bool RecordingShell::startNewInstance()
{
    calls.append(QStringLiteral("restart"));
    return succeeds;
}

bool RecordingPointerSynth::primaryButtonDown() const
{
    return !buttonStates.isEmpty() && buttonStates.dequeue();
}

void RecordingPointerSynth::movePointer(QPoint screenPosition)
{
    events.append(QStringLiteral("move %1,%2").arg(screenPosition.x()).arg(screenPosition.y()));
}

void RecordingPointerSynth::primaryButton(bool down)
{
    events.append(down ? QStringLiteral("press") : QStringLiteral("release"));
}

void RecordingPointerSynth::key(Key key, bool down)
{
    events.append((key == Key::Control ? QStringLiteral("Ctrl") : QStringLiteral("V"))
                  + (down ? QStringLiteral(" down") : QStringLiteral(" up")));
}

TempDataFolder::TempDataFolder()
    : m_previousXdg(qgetenv("XDG_DATA_HOME"))
    , m_previousRuntime(qgetenv("XDG_RUNTIME_DIR"))
{
    qputenv("XDG_DATA_HOME", m_root.path().toLocal8Bit());
    const QString runtime = m_root.path() + QStringLiteral("/runtime");
    QDir().mkdir(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
}

TempDataFolder::~TempDataFolder()
{
    qputenv("XDG_DATA_HOME", m_previousXdg);
    qputenv("XDG_RUNTIME_DIR", m_previousRuntime);
}

QString TempDataFolder::root() const
{
    return m_root.path();
}

QString TempDataFolder::dataFolder() const
{
    return DesktopPlaces().dataFolder();
}

QString TempDataFolder::programFolder() const
{
    return m_root.path() + QStringLiteral("/program/");
}

QString TempDataFolder::mailClient() const
{
    return mailClientPath;
}

QString TempDataFolder::putFile(const QString &name, const QByteArray &bytes) const
{
    QDir().mkpath(dataFolder());
    const QString path = dataFolder() + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the test file %s", qPrintable(path));
    return path;
}

QByteArray TempDataFolder::fileBytes(const QString &name) const
{
    QFile file(dataFolder() + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

PlatformDoubles::PlatformDoubles()
    : m_previous(Platform::install({&dialogs, &shell, &places, &clock, &process, &help, &clipboard, &pointer}))
{
}

PlatformDoubles::~PlatformDoubles()
{
    Platform::install(m_previous);
}
