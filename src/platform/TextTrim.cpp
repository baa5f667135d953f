#include "platform/TextTrim.h"

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

QString TextTrim::blankControls(QString text)
{
    for (QChar &c : text) {
        if (c.unicode() < 32)
            c = QLatin1Char(' ');
    }
    return text;
}
