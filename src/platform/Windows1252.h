#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// Our own table of the Western Windows code page, so no locale or iconv decides how files read.
// The five bytes the code page leaves undefined map to the C1 controls of the same value, both ways,
// so every byte survives a read and a write.
class Windows1252 {
public:
    static QString decode(const char *bytes, qsizetype size);
    // Characters the code page cannot hold become "?"; false when there were any.
    [[nodiscard]] static bool appendEncoded(QStringView text, QByteArray &out);
    // The position of the first character the code page cannot hold, or -1.
    static qsizetype firstUnencodable(QStringView text);
};
