#pragma once

#include "platform/TextFile.h"

#include <QString>
#include <QStringList>

// The record list of one year and the file it comes from; written back in the encoding it was read in,
// unless the text would not read back in it (see TextFile::encodeReadable).
class InvoiceFile {
public:
    static QString pathFor(const QString &dataFolder, const QString &year);

    void setPath(const QString &path);
    const QString &path() const { return m_path; }
    bool exists() const;

    // Replaces the record list by the file's lines. Returns the message for the user when an existing
    // file cannot be read; a missing file leaves the list empty and is no error.
    [[nodiscard]] QString load();
    // Writes the whole record list atomically; returns the message for the user, empty on success.
    [[nodiscard]] QString write();

    const QStringList &lines() const { return m_lines; }
    QStringList &lines() { return m_lines; }
    qsizetype count() const { return m_lines.size(); }
    // The line at index, cut to the length a record may use; empty past the end.
    QString lineForUse(qsizetype index) const;
    TextEncoding encoding() const { return m_encoding; }

private:
    QString unreadableMessage(const QString &reason) const;

    QString m_path;
    QStringList m_lines;
    TextEncoding m_encoding = TextEncoding::Windows1252;
};
