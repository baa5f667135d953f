#pragma once

#include "einvoice/EInvoice.h"
#include "einvoice/EpcTransfer.h"

#include <QString>
#include <variant>

class DocumentScanner;

// A file the user hands in as an incoming invoice: an e-invoice as XML or embedded in a PDF, else a
// GiroCode on a PDF's first pages or in a scanned picture.
class IncomingDocument {
public:
    struct Unreadable {
        QString reason; // for the user; its first sentence names the file
    };
    using Content = std::variant<EInvoice, EpcTransfer, Unreadable>;

    static Content read(const QString &path, const DocumentScanner &scanner);
    // The same for bytes already read; path only names the file in the reason.
    static Content fromBytes(const QString &path, const QByteArray &bytes, const DocumentScanner &scanner);

    static constexpr qint64 kMaxPdfBytes = 50 * 1024 * 1024;
    static constexpr int kScannedPages = 3;
};
