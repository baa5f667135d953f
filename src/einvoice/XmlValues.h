#pragma once

#include "einvoice/Decimal.h"

#include <QDate>
#include <QString>
#include <optional>

// The value forms the e-invoice syntaxes share: decimals and dates as text.
class XmlValues {
public:
    // Nothing for an empty or unreadable amount.
    static std::optional<Decimal> decimal(const QString &text);
    // "2024-03-15" (UBL) or, with the CII date format 102, "20240315"; invalid otherwise.
    static QDate isoDate(const QString &text);
    static QDate compactDate(const QString &text);
    // The decoded size of base64 content, without decoding it.
    static qint64 base64Size(const QString &text);
};
