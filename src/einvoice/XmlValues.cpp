#include "einvoice/XmlValues.h"

std::optional<Decimal> XmlValues::decimal(const QString &text)
{
    return Decimal::read(QStringView(text).trimmed());
}

QDate XmlValues::isoDate(const QString &text)
{
    // A time zone may follow the date ("2024-03-15+01:00").
    return QDate::fromString(QStringView(text).trimmed().left(10), u"yyyy-MM-dd");
}

QDate XmlValues::compactDate(const QString &text)
{
    return QDate::fromString(QStringView(text).trimmed(), u"yyyyMMdd");
}

qint64 XmlValues::base64Size(const QString &text)
{
    qint64 characters = 0;
    for (const QChar c : text) {
        if (c.isLetterOrNumber() || c == u'+' || c == u'/')
            ++characters;
    }
    return characters * 3 / 4;
}
