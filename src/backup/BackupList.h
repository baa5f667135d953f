#pragma once

#include <QString>
#include <QStringList>

// What a backup offers: the regular files of the data folder and of its immediate subfolders.
class BackupList {
public:
    // Full paths: the folder's files first, then each subfolder's, every group in case-insensitive name order.
    static QStringList build(const QString &folder);
    // "name" for a file of the data folder, "sub/name" for one of its subfolder sub.
    static QString entryName(const QString &dataFolder, const QString &path);
    // The folder with "/" at its end.
    static QString withSeparator(const QString &folder);
};
