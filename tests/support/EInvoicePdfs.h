#pragma once

#include <QByteArray>
#include <QString>

// PDF files for the tests and benchmarks of incoming invoices, made on the spot.
class EInvoicePdfs {
public:
    // One empty A4 page and one embedded file in the document's EmbeddedFiles name tree, written by
    // hand. padding adds a page content stream of that many bytes, for files of a given size.
    static QByteArray withEmbeddedFile(const QString &name, const QByteArray &bytes, qsizetype padding = 0);
    // A page with some text and a GiroCode of payload drawn by our own encoder, as a printed bill has it.
    static QByteArray withGiroCode(const QString &payload);
    // A page with text only.
    static QByteArray plain();
};
