#pragma once

#include "einvoice/EInvoice.h"

#include <QStringList>

// What a reader of an incoming invoice should know before taking it over: the sums that do not add up,
// an IBAN with wrong check digits, a currency the payment code cannot carry. One German sentence each.
class EInvoiceChecks {
public:
    static QStringList failures(const EInvoice &invoice);
};
