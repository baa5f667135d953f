#include "FuzzText.h"

#include <algorithm>

QString FuzzText::trimmed(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 32)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}

bool FuzzText::isControl(QChar c)
{
    return c.unicode() < 32 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F);
}

bool FuzzText::hasControl(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), isControl);
}

QString FuzzText::blanked(QString text)
{
    std::replace_if(text.begin(), text.end(), isControl, QLatin1Char(' '));
    return text;
}
