#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>
#include <QStringList>
#include <optional>

// Utf8WithoutMark: UTF-8 as files written on Linux hold it; the others carry their byte-order mark,
// except Windows-1252, which has none.
enum class TextEncoding { Windows1252, Utf8, Utf16LE, Utf16BE, Utf8WithoutMark };

struct TextLines {
    QStringList lines;
    TextEncoding encoding = TextEncoding::Windows1252;
};

struct EncodedLines {
    QByteArray bytes;
    TextEncoding encoding = TextEncoding::Windows1252;
};

// Whole text files: the encoding told by the byte-order mark; without one, UTF-8 when the bytes are
// valid UTF-8 with at least one multi-byte sequence, else Windows-1252. Any of CR LF, CR and LF ends a
// line; written back with the mark of their encoding and CR LF after every line.
class TextFile {
public:
    // Empty when the file cannot be read whole (not there, no regular file, a read error or a short
    // read); error then holds the reason in German where we know it.
    static std::optional<TextLines> readLines(const QString &path, QString *error = nullptr);
    // The whole file's bytes under the same rules.
    static std::optional<QByteArray> readBytes(const QString &path, QString *error = nullptr);
    static TextLines decodeLines(const QByteArray &bytes);
    // The whole text in one piece, line breaks as they stand: for searching a file rather than editing it.
    static std::optional<QString> readText(const QString &path, QString *error = nullptr);
    static QString decodeText(const QByteArray &bytes);
    static QStringList splitLines(QStringView text);
    static QByteArray encodeLines(const QStringList &lines, TextEncoding encoding);
    // The lines in wanted, unless they would not read back as they are: a Windows-1252 text with a
    // character the code page lacks, or whose bytes would be taken for a mark or for UTF-8, and an
    // unmarked UTF-8 text beginning with U+FEFF are encoded as UTF-8 with its mark instead.
    static EncodedLines encodeReadable(const QStringList &lines, TextEncoding wanted);
    // Through FileReplace: the old file stays whole until the new one is on the disk. Returns the reason
    // of a failure, empty on success.
    [[nodiscard]] static QString writeLines(const QString &path, const QStringList &lines, TextEncoding encoding);
    // permissions, when given, are set on the new file before it replaces the old one.
    [[nodiscard]] static QString writeBytes(const QString &path, const QByteArray &bytes,
                                            std::optional<QFileDevice::Permissions> permissions = std::nullopt);
};
