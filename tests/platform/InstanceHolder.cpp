// Another copy of the program, as the lock tests need one in a process of its own.
//   instance_holder hold <data folder>          holds the lock and answers front requests ("front")
//   instance_holder hold-silent <data folder> <ms>  holds the lock file without answering, then ends
//   instance_holder                             starts like the program and writes what it found into
//                                               the data folder's file "probe"
#include "platform/DesktopPlaces.h"
#include "platform/FileLock.h"
#include "platform/InstanceLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QThread>

#include <cstdio>

namespace {

void say(const char *line)
{
    std::printf("%s\n", line);
    std::fflush(stdout);
}

int hold(const QString &folder)
{
    QDir().mkpath(folder);
    InstanceLock lock(folder);
    if (lock.acquire() != InstanceLock::Outcome::Acquired)
        return 1;
    QObject::connect(&lock, &InstanceLock::frontRequested, [] { say("front"); });
    say("held");
    return QCoreApplication::exec();
}

int holdSilently(const QString &folder, int milliseconds)
{
    FileLock file(folder + QStringLiteral(".zettmar.lock"));
    if (!QDir().mkpath(folder) || file.tryLock() != FileLock::Outcome::Locked)
        return 1;
    say("held");
    QThread::msleep(milliseconds);
    return 0;
}

int probe()
{
    const QString folder = DesktopPlaces().dataFolder();
    InstanceLock lock(folder);
    const char *names[] = {"acquired", "unguarded", "answered", "silent"};
    QFile result(folder + QStringLiteral("probe"));
    if (!result.open(QIODevice::WriteOnly))
        return 1;
    result.write(names[int(lock.acquire())]);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() == 2 && arguments[0] == QStringLiteral("hold"))
        return hold(arguments[1]);
    if (arguments.size() == 3 && arguments[0] == QStringLiteral("hold-silent"))
        return holdSilently(arguments[1], arguments[2].toInt());
    return probe();
}
