#include "platform/Windows1252.h"

#include <array>

namespace {

constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr std::array<char16_t, 256> makeDecodeTable()
{
    std::array<char16_t, 256> table{};
    for (int byte = 0; byte < 256; ++byte)
        table[byte] = static_cast<char16_t>(byte);
    for (int i = 0; i < 32; ++i)
        table[0x80 + i] = kHighControls[i];
    return table;
}

constexpr std::array<char16_t, 256> kDecode = makeDecodeTable();

char encodeBeyondLatin(char16_t unit)
{
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == unit)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

bool isPlainLatin1(char16_t unit)
{
    return (unit < 0x80) | (static_cast<unsigned>(unit - 0xA0) < 0x60u);
}

} // namespace

QString Windows1252::decode(const char *bytes, qsizetype size)
{
    QString text(size, Qt::Uninitialized);
    auto *out = reinterpret_cast<char16_t *>(text.data());
    const auto *in = reinterpret_cast<const unsigned char *>(bytes);
    for (qsizetype i = 0; i < size; ++i)
        out[i] = kDecode[in[i]];
    return text;
}

bool Windows1252::appendEncoded(QStringView text, QByteArray &out)
{
    const qsizetype start = out.size();
    const qsizetype size = text.size();
    out.resize(start + size);
    char *dest = out.data() + start;
    const char16_t *src = text.utf16();
    // A first pass without branches, which the compiler turns into vector code, copies the common case;
    // the rare text with characters beyond Latin-1 or C1 controls is mended in a second pass.
    unsigned notPlain = 0;
    for (qsizetype i = 0; i < size; ++i) {
        dest[i] = static_cast<char>(src[i]);
        notPlain |= static_cast<unsigned>(!isPlainLatin1(src[i]));
    }
    if (notPlain == 0)
        return true;
    bool allHeld = true;
    for (qsizetype i = 0; i < size; ++i) {
        if (!isPlainLatin1(src[i])) {
            dest[i] = encodeBeyondLatin(src[i]);
            allHeld &= dest[i] != '?';
        }
    }
    return allHeld;
}

qsizetype Windows1252::firstUnencodable(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text.utf16()[i];
        if (!isPlainLatin1(unit) && encodeBeyondLatin(unit) == '?')
            return i;
    }
    return -1;
}
