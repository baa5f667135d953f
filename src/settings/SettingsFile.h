#pragma once

#include "settings/SettingsLine.h"

#include <QString>
#include <QStringList>

// The settings file: ten lines in Windows-1252, CR LF after each, enciphered as a whole. It is only ever
// written enciphered and in one piece; the plain text exists in memory alone.
class SettingsFile {
public:
    struct Loaded {
        QStringList lines;     // always ten; a line past the end of a short file is empty
        QString readError;     // the file is there but could not be read; lines are then empty
        QString encipherError; // it was found plain and could not be rewritten enciphered; lines are valid
    };

    explicit SettingsFile(QString path);

    bool exists() const;
    // Lines 8, 9 and 10 trimmed, the others as they stand.
    Loaded loadForMainWindow() const;
    // Every line trimmed; line 9 is the main window's and the settings window leaves it alone.
    Loaded loadForSettingsWindow() const;
    // Both return the reason of a failure, empty on success; on failure the file keeps its old bytes.
    QString saveForMainWindow(const QStringList &lines) const;
    // Every line trimmed, line 9 replaced by the main window's unchanged.
    QString saveForSettingsWindow(QStringList lines, const QString &line9) const;

private:
    Loaded load(SettingsLine firstTrimmed) const;
    QString save(const QStringList &lines) const;
    QString writeEnciphered(const QByteArray &plain) const;

    QString m_path;
};
