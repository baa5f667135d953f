#include "platform/PrintFont.h"

#include <QStringList>

QFont PrintFont::of(int pointSize, bool bold)
{
    QFont font(QStringList{QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")}, pointSize);
    font.setBold(bold);
    return font;
}
