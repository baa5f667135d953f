#include "documents/DocumentPath.h"

#include <QFileInfo>

namespace {

constexpr qint64 kKilo = 1000;
constexpr qint64 kMega = 1000000;

// Whole hundredths by integers: a double would round 1005 bytes to 1,00 KB and lose digits above 2^53.
QString hundredthsText(qint64 bytes, qint64 unit)
{
    const qint64 hundredthUnit = unit / 100;
    const qint64 hundredths = bytes / hundredthUnit + (bytes % hundredthUnit * 2 >= hundredthUnit ? 1 : 0);
    return QStringLiteral("%1,%2").arg(hundredths / 100).arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

} // namespace

QString DocumentPath::fileName(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString DocumentPath::folder(const QString &path)
{
    return path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
}

bool DocumentPath::isExistingFile(const QString &path)
{
    return QFileInfo(path).isFile();
}

QString DocumentPath::sizeText(qint64 bytes)
{
    if (bytes > kMega)
        return hundredthsText(bytes, kMega) + QStringLiteral(" MB");
    if (bytes > kKilo)
        return hundredthsText(bytes, kKilo) + QStringLiteral(" KB");
    return QString::number(bytes) + QStringLiteral(" Bytes");
}
