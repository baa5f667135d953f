#pragma once

#include "platform/TextFile.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

// The history file: one line per backup run, "dd.MM.yyyy hh:mm:ss | target".
class BackupHistory {
public:
    static constexpr const char *kFileName = "backhist.dat";

    static QString line(const QDateTime &when, const QString &target);
    // Appends one line to the file, creating it if missing. Returns the reason of a failure.
    static QString append(const QString &path, const QString &line);
    // Writes the lines in the encoding the file had, or in UTF-8 with mark where they would not read
    // back in it. Returns the reason of a failure.
    static QString write(const QString &path, const QStringList &lines, TextEncoding current);
};
