#include "FuzzCheck.h"

#include <QStringList>
#include <cstdio>
#include <cstdlib>

void FuzzCheck::fail(const char *property, const char *file, int line, const QString &detail)
{
    std::fprintf(stderr, "\n==== property broken at %s:%d: %s\n%s\n", file, line, property,
                 detail.toUtf8().constData());
    std::fflush(stderr);
    std::abort();
}

QString FuzzCheck::shown(const QString &text)
{
    QString result;
    for (const QChar c : text) {
        if (c.unicode() >= 32 && c.unicode() < 127 && c != QLatin1Char('\\'))
            result.append(c);
        else
            result.append(QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0')));
    }
    return QLatin1Char('"') + result + QLatin1Char('"');
}

QString FuzzCheck::shown(const QStringList &lines)
{
    QStringList shownLines;
    for (const QString &line : lines)
        shownLines.append(shown(line));
    return QLatin1Char('[') + shownLines.join(QStringLiteral(", ")) + QLatin1Char(']');
}
