#include "platform/TextTrim.h"

#include <algorithm>

namespace {

bool isTrimmed(QChar c)
{
    return c.unicode() <= 32;
}

} // namespace

QString TextTrim::trimmed(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isTrimmed(text[begin]))
        ++begin;
    while (end > begin && isTrimmed(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin).toString();
}

bool TextTrim::hasControl(QStringView text)
{
    return std::any_of(text.begin(), text.end(), isControl);
}

QString TextTrim::blankControls(QString text)
{
    for (QChar &c : text) {
        if (isControl(c))
            c = QLatin1Char(' ');
    }
    return text;
}

QString TextTrim::storedValue(QStringView text)
{
    return trimmed(blankControls(text.toString()));
}
