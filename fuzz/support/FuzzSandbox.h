#pragma once

#include <QMap>
#include <QString>
#include <QTemporaryDir>

// A temporary folder of the fuzz process, emptied for every input, and snapshots of the trees in it, so a
// target sees any file created, changed or removed where it should not be.
class FuzzSandbox {
public:
    FuzzSandbox();
    // The root emptied; returns it with a "/" at the end.
    QString fresh();
    // Creates the folder below the root (and those above it); returns its path with a "/" at the end.
    QString folder(const QString &relative) const;
    QString put(const QString &relative, const QByteArray &bytes) const;

    // Every entry below folder, not following links: its relative path and what it is (file bytes, link
    // target, folder, permissions). Entries below skipped (relative, ending in "/") are left out.
    static QMap<QString, QByteArray> snapshot(const QString &folder, const QString &skipped = QString());
    // The entries of two snapshots that differ, for a report.
    static QString difference(const QMap<QString, QByteArray> &before, const QMap<QString, QByteArray> &after);

private:
    QTemporaryDir m_root;
};
