#pragma once

#include <QString>

// The parts of a document's full path as the documents window and the file information show them.
class DocumentPath {
public:
    // The part after the last "/".
    static QString fileName(const QString &path);
    // The part up to and including the last "/".
    static QString folder(const QString &path);
    // A file, not a folder, is there.
    static bool isExistingFile(const QString &path);
    // Decimal units: "999 Bytes", "1,00 KB", "2,35 MB"; two decimals rounded half up on the exact size.
    static QString sizeText(qint64 bytes);
};
