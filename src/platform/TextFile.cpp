#include "platform/TextFile.h"

#include "platform/FileReplace.h"
#include "platform/SystemReason.h"
#include "platform/Windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QtEndian>

namespace {

const QByteArray kUtf8Mark("\xEF\xBB\xBF", 3);
const QByteArray kUtf16LEMark("\xFF\xFE", 2);
const QByteArray kUtf16BEMark("\xFE\xFF", 2);

TextEncoding encodingByMark(const QByteArray &bytes)
{
    if (bytes.startsWith(kUtf8Mark))
        return TextEncoding::Utf8;
    if (bytes.startsWith(kUtf16LEMark))
        return TextEncoding::Utf16LE;
    if (bytes.startsWith(kUtf16BEMark))
        return TextEncoding::Utf16BE;
    return TextEncoding::Windows1252;
}

bool isAscii(QByteArrayView bytes)
{
    unsigned char high = 0;
    for (const char byte : bytes)
        high |= static_cast<unsigned char>(byte) & 0x80;
    return high == 0;
}

// Text in the code page is almost never valid UTF-8 once it holds a letter beyond ASCII, while files
// written on Linux are UTF-8 without a mark; plain ASCII reads the same either way.
TextEncoding encodingOf(const QByteArray &bytes)
{
    const TextEncoding marked = encodingByMark(bytes);
    if (marked != TextEncoding::Windows1252)
        return marked;
    return !isAscii(bytes) && bytes.isValidUtf8() ? TextEncoding::Utf8WithoutMark : TextEncoding::Windows1252;
}

bool readsBackIn(const QByteArray &bytes, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Windows1252: return encodingOf(bytes) == TextEncoding::Windows1252;
    case TextEncoding::Utf8WithoutMark: return encodingByMark(bytes) == TextEncoding::Windows1252;
    case TextEncoding::Utf8:
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE: break;
    }
    return true;
}

QByteArray markOf(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8: return kUtf8Mark;
    case TextEncoding::Utf16LE: return kUtf16LEMark;
    case TextEncoding::Utf16BE: return kUtf16BEMark;
    case TextEncoding::Windows1252:
    case TextEncoding::Utf8WithoutMark: break;
    }
    return {};
}

// Calls take(begin, end) for every line; the line break at the very end makes no extra line.
template <typename Unit, typename Take>
void forEachLine(const Unit *text, qsizetype size, Take take)
{
    qsizetype begin = 0;
    qsizetype i = 0;
    while (i < size) {
        const Unit unit = text[i];
        if (unit != '\r' && unit != '\n') {
            ++i;
            continue;
        }
        take(begin, i);
        i += (unit == '\r' && i + 1 < size && text[i + 1] == '\n') ? 2 : 1;
        begin = i;
    }
    if (begin < size)
        take(begin, size);
}

QStringList splitWindows1252(const QByteArray &bytes)
{
    QStringList lines;
    const char *data = bytes.constData();
    forEachLine(data, bytes.size(),
                [&](qsizetype begin, qsizetype end) { lines.append(Windows1252::decode(data + begin, end - begin)); });
    return lines;
}

// The mark is cut off here; a U+FEFF right after it is text and must stay, so the decoder is told
// not to take it for a second mark.
QString decodeUnicode(const QByteArray &bytes, TextEncoding encoding)
{
    const QByteArrayView body = QByteArrayView(bytes).sliced(markOf(encoding).size());
    const QStringDecoder::Encoding decoding = encoding == TextEncoding::Utf16LE ? QStringDecoder::Utf16LE
        : encoding == TextEncoding::Utf16BE                                     ? QStringDecoder::Utf16BE
                                                                                : QStringDecoder::Utf8;
    QStringDecoder decoder(decoding, QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(body);
}

std::optional<QByteArray> failed(QString *error, const QString &reason)
{
    if (error)
        *error = SystemReason::german(reason);
    return std::nullopt;
}

void appendUtf16(QStringView line, bool bigEndian, QByteArray &out)
{
    const qsizetype start = out.size();
    out.resize(start + line.size() * 2);
    char *dest = out.data() + start;
    for (const QChar unit : line) {
        if (bigEndian)
            qToBigEndian<quint16>(unit.unicode(), dest);
        else
            qToLittleEndian<quint16>(unit.unicode(), dest);
        dest += 2;
    }
}

// False when a character became "?", which only the code page does.
bool appendLine(QStringView line, TextEncoding encoding, QByteArray &out)
{
    switch (encoding) {
    case TextEncoding::Windows1252: {
        const bool held = Windows1252::appendEncoded(line, out);
        out.append("\r\n", 2);
        return held;
    }
    case TextEncoding::Utf8:
    case TextEncoding::Utf8WithoutMark:
        out.append(line.toUtf8());
        out.append("\r\n", 2);
        break;
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE:
        appendUtf16(line, encoding == TextEncoding::Utf16BE, out);
        appendUtf16(u"\r\n", encoding == TextEncoding::Utf16BE, out);
        break;
    }
    return true;
}

QByteArray encode(const QStringList &lines, TextEncoding encoding, bool &allHeld)
{
    qsizetype units = 0;
    for (const QString &line : lines)
        units += line.size() + 2;
    QByteArray bytes = markOf(encoding);
    bytes.reserve(bytes.size() + units * (encoding == TextEncoding::Windows1252 ? 1 : 2));
    allHeld = true;
    for (const QString &line : lines)
        allHeld &= appendLine(line, encoding, bytes);
    return bytes;
}

} // namespace

std::optional<TextLines> TextFile::readLines(const QString &path, QString *error)
{
    const std::optional<QByteArray> bytes = readBytes(path, error);
    if (!bytes)
        return std::nullopt;
    return decodeLines(*bytes);
}

std::optional<QByteArray> TextFile::readBytes(const QString &path, QString *error)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return failed(error, QStringLiteral("Keine reguläre Datei"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(error, file.errorString());
    const qint64 expected = file.size();
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return failed(error, file.errorString());
    if (bytes.size() != expected)
        return failed(error, QStringLiteral("Die Datei wurde nicht vollständig gelesen"));
    return bytes;
}

TextLines TextFile::decodeLines(const QByteArray &bytes)
{
    const TextEncoding encoding = encodingOf(bytes);
    if (encoding == TextEncoding::Windows1252)
        return {splitWindows1252(bytes), encoding};
    return {splitLines(decodeUnicode(bytes, encoding)), encoding};
}

std::optional<QString> TextFile::readText(const QString &path, QString *error)
{
    const std::optional<QByteArray> bytes = readBytes(path, error);
    if (!bytes)
        return std::nullopt;
    return decodeText(*bytes);
}

QString TextFile::decodeText(const QByteArray &bytes)
{
    const TextEncoding encoding = encodingOf(bytes);
    if (encoding == TextEncoding::Windows1252)
        return Windows1252::decode(bytes.constData(), bytes.size());
    return decodeUnicode(bytes, encoding);
}

QStringList TextFile::splitLines(QStringView text)
{
    QStringList lines;
    forEachLine(text.utf16(), text.size(),
                [&](qsizetype begin, qsizetype end) { lines.append(text.sliced(begin, end - begin).toString()); });
    return lines;
}

QByteArray TextFile::encodeLines(const QStringList &lines, TextEncoding encoding)
{
    bool allHeld = true;
    return encode(lines, encoding, allHeld);
}

// UTF-8 with its mark holds every text and reads back as nothing else.
EncodedLines TextFile::encodeReadable(const QStringList &lines, TextEncoding wanted)
{
    bool allHeld = true;
    QByteArray bytes = encode(lines, wanted, allHeld);
    if (allHeld && readsBackIn(bytes, wanted))
        return {std::move(bytes), wanted};
    return {encodeLines(lines, TextEncoding::Utf8), TextEncoding::Utf8};
}

QString TextFile::writeLines(const QString &path, const QStringList &lines, TextEncoding encoding)
{
    return writeBytes(path, encodeLines(lines, encoding));
}

QString TextFile::writeBytes(const QString &path, const QByteArray &bytes,
                             std::optional<QFileDevice::Permissions> permissions)
{
    return FileReplace::replace(path, bytes, {permissions, std::nullopt});
}
