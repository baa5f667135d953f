#include "BackupFixture.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace BackupFixture {

void putFile(const QString &root, const QString &relative, const QByteArray &bytes)
{
    const QString path = root + QLatin1Char('/') + relative;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<fehlt>");
}

QMap<QString, QByteArray> snapshot(const QString &root)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(root).relativeFilePath(path), fileBytes(path));
    }
    return files;
}

ToolRun runTool(const QString &program, const QStringList &arguments, const QString &workingFolder)
{
    QProcess process;
    process.setWorkingDirectory(workingFolder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAll())};
}

QStringList zipContents(const QString &archive)
{
    QStringList entries;
    const ToolRun run = runTool(QStringLiteral("zipinfo"), {archive});
    // permissions, version, system, size, type, method, date, time, name (which may hold blanks)
    static const QRegularExpression entryLine(
        QStringLiteral("^[-dl]\\S{9}\\s+\\S+\\s+\\S+\\s+\\d+\\s+\\S+\\s+(\\S+)\\s+\\S+\\s+\\S+ (.*)$"));
    for (const QString &line : run.output.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = entryLine.match(line);
        if (match.hasMatch())
            entries.append(match.captured(1) + QLatin1Char(' ') + match.captured(2));
    }
    return entries;
}

bool protect(const QString &path)
{
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (QFileInfo(path).isWritable() && runTool(QStringLiteral("chattr"), {QStringLiteral("+i"), path}).exitCode != 0)
        return false;
    return !QFileInfo(path).isWritable();
}

void unprotect(const QString &path)
{
    runTool(QStringLiteral("chattr"), {QStringLiteral("-i"), path});
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

} // namespace BackupFixture
