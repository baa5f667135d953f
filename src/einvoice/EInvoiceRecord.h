#pragma once

#include "einvoice/EInvoice.h"
#include "einvoice/EpcTransfer.h"

#include <QStringList>

// The 21 record fields, in file order, that an incoming invoice or a GiroCode fills.
class EInvoiceRecord {
public:
    static QStringList fields(const EInvoice &invoice);
    // Name, IBAN, BIC, amount, reference and remittance; the rest as in a new record.
    static QStringList fields(const EpcTransfer &transfer);

    // Trimmed, inner runs of white space one blank, control characters removed.
    static QString cleaned(const QString &text);
    // The distinct names joined by ", ", cut to whole names within 200 characters.
    static QString articleList(const QStringList &names);
    // Street and house number: the last word when it starts with a digit and is not the only one.
    static std::pair<QString, QString> streetAndNumber(const QString &street);
    // The IBAN as the record editor groups it while it is typed.
    static QString groupedIban(const QString &iban);

    static constexpr qsizetype kMaxArticleLength = 200;
};
