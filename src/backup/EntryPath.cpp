#include "backup/EntryPath.h"

#include <QStringList>

std::optional<QString> EntryPath::below(const QString &entryName)
{
    if (entryName.startsWith(QLatin1Char('/')))
        return std::nullopt;
    QStringList parts;
    for (const QString &part : entryName.split(QLatin1Char('/'))) {
        if (part.isEmpty() || part == QLatin1String(".."))
            return std::nullopt;
        if (part != QLatin1String("."))
            parts.append(part);
    }
    if (parts.isEmpty())
        return std::nullopt;
    return parts.join(QLatin1Char('/'));
}

bool EntryPath::isFolder(const QString &entryName)
{
    return entryName.endsWith(QLatin1Char('/')) && below(entryName.chopped(1)).has_value();
}
