#include "documents/AsciiFold.h"

QString AsciiFold::lowered(QString text)
{
    for (QChar &c : text) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    return text;
}
