#pragma once

#include "einvoice/EInvoice.h"
#include "einvoice/EpcTransfer.h"

#include <QString>

// An incoming invoice or GiroCode as a German page of HTML for reading on screen and on paper. Every
// value is escaped: the file's text never becomes markup.
class EInvoicePage {
public:
    static QString html(const EInvoice &invoice);
    static QString html(const EpcTransfer &transfer);
    // The failed checks as a list, or the sentence that all passed.
    static QString checksHtml(const QStringList &failures);
};
