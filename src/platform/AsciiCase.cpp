#include "platform/AsciiCase.h"

namespace {

template <typename Map>
QString mapped(QStringView text, Map map)
{
    QString result(text.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(result.data());
    for (const QChar c : text)
        *out++ = map(c.unicode());
    return result;
}

} // namespace

QString AsciiCase::lowered(QStringView text)
{
    return mapped(text, [](char16_t c) { return lower(c); });
}

QString AsciiCase::uppered(QStringView text)
{
    return mapped(text, [](char16_t c) { return upper(c); });
}

bool AsciiCase::contains(QStringView text, QStringView loweredTerm)
{
    const qsizetype termLength = loweredTerm.size();
    if (termLength == 0)
        return true;
    const char16_t *term = loweredTerm.utf16();
    const char16_t *hay = text.utf16();
    const qsizetype lastStart = text.size() - termLength;
    const char16_t first = term[0];
    for (qsizetype start = 0; start <= lastStart; ++start) {
        if (lower(hay[start]) != first)
            continue;
        qsizetype i = 1;
        while (i < termLength && lower(hay[start + i]) == term[i])
            ++i;
        if (i == termLength)
            return true;
    }
    return false;
}

int AsciiCase::compare(QStringView a, QStringView b)
{
    const qsizetype common = std::min(a.size(), b.size());
    const char16_t *left = a.utf16();
    const char16_t *right = b.utf16();
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t l = upper(left[i]);
        const char16_t r = upper(right[i]);
        if (l != r)
            return l < r ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}
