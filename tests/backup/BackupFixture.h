#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// Small folders of files for the backup tests, and the Info-ZIP tools that judge our archives.
namespace BackupFixture {

struct ToolRun {
    int exitCode = -1;
    QString output;
};

// Writes root + relative, creating its folders.
void putFile(const QString &root, const QString &relative, const QByteArray &bytes);
QByteArray fileBytes(const QString &path);
// Every regular file below root by its relative path, with its bytes; links and hidden staging left out.
QMap<QString, QByteArray> snapshot(const QString &root);
ToolRun runTool(const QString &program, const QStringList &arguments, const QString &workingFolder = {});
// zipinfo's entry names and methods, one "method name" per entry.
QStringList zipContents(const QString &archive);
// Makes the path unchangeable also for root (mode and immutable attribute); false when it cannot.
bool protect(const QString &path);
void unprotect(const QString &path);

} // namespace BackupFixture
