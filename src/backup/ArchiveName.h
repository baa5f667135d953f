#pragma once

#include <QDate>
#include <QString>

// The name a zipped backup gets, and the names it must not get.
class ArchiveName {
public:
    // "rechbackup" + YYYYMMDD + ".zip"
    static QString preset(const QDate &today);
    // Why the archive destination + name must not be written, or empty when it may: a name holding a
    // folder, or one whose archive would replace a file of the data folder that is no earlier archive.
    static QString refusal(const QString &name, const QString &destination, const QString &dataFolder);
    static bool isArchive(const QString &path);
};
