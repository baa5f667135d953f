#include "backup/EntryPath.h"

#include <QStringList>

namespace {

bool hasDrive(const QString &name)
{
    return name.size() >= 2 && name.at(1) == QLatin1Char(':') && name.at(0).isLetter();
}

} // namespace

std::optional<QString> EntryPath::below(const QString &entryName)
{
    QString name = entryName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.endsWith(QLatin1Char('/')) || hasDrive(name))
        return std::nullopt;
    QStringList parts;
    for (const QString &part : name.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String(".."))
            return std::nullopt;
        if (part != QLatin1String("."))
            parts.append(part);
    }
    if (parts.isEmpty())
        return std::nullopt;
    return parts.join(QLatin1Char('/'));
}
