#pragma once

#include "platform/TextFile.h"

#include <QString>
#include <QStringList>

// The document list file of one key: the full paths of the linked documents in the order they were
// added. Every change is written whole at once; a change whose write fails leaves the list as it was,
// so the screen, the file and later saves agree.
class DocumentList {
public:
    // Reads the list of key in dataFolder. Returns what kept an existing file from being read, to be
    // shown; empty when it was read or there is none.
    QString open(const QString &dataFolder, const QString &key);
    const QStringList &lines() const { return m_lines; }
    QString path() const { return m_path; }

    // Each returns the text of an error box, empty when the file holds the changed list.
    QString add(const QString &documentPath);
    QString remove(qsizetype line);
    QString save();

private:
    QString read();
    QString write(const QStringList &lines);
    QString refusal() const;

    QString m_path;
    QStringList m_lines;
    TextEncoding m_encoding = TextEncoding::Windows1252;
    bool m_keyStaysInFolder = true;
    bool m_fileUnread = false;
    bool m_fileIsLink = false;
};
