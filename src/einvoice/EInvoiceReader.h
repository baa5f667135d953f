#pragma once

#include "einvoice/EInvoice.h"

#include <QByteArray>
#include <QString>
#include <variant>

// Reads an electronic invoice from its XML: UBL 2.1 Invoice and CreditNote, UN/CEFACT CII D16B (XRechnung
// CII, ZUGFeRD 2 and Factur-X of every profile) and ZUGFeRD 1.0, told apart by the root's namespace.
class EInvoiceReader {
public:
    // The invoice, or the reason in German why the bytes are none.
    static std::variant<EInvoice, QString> read(const QByteArray &xml);
    static constexpr qsizetype kMaxBytes = 20 * 1024 * 1024;
};
