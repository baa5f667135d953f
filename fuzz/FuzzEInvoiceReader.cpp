// Properties checked for every input given to EInvoiceReader::read:
// 1. It returns, an invoice or a non-empty German reason; nothing crashes, nothing is fetched.
// 2. For an invoice, the record has exactly 21 fields, none holds a character below code 32, the
//    amount is empty or "-?digits,dd", the article list stays within 200 characters, both dates are
//    empty or dd.MM.yyyy, and the status is "Offen".
// 3. The checks and the HTML page are made without fault, and the page holds no "<script".
#include "einvoice/EInvoiceChecks.h"
#include "einvoice/EInvoicePage.h"
#include "einvoice/EInvoiceReader.h"
#include "einvoice/EInvoiceRecord.h"
#include "register/InvoiceLine.h"

#include <QRegularExpression>

#include <cstdlib>

namespace {

void require(bool property)
{
    if (!property)
        std::abort();
}

bool hasControl(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 32)
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    const QByteArray xml(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::variant<EInvoice, QString> read = EInvoiceReader::read(xml);
    if (const QString *reason = std::get_if<QString>(&read)) {
        require(!reason->isEmpty());
        return 0;
    }
    const EInvoice &invoice = std::get<EInvoice>(read);
    const QStringList fields = EInvoiceRecord::fields(invoice);
    require(fields.size() == InvoiceLine::kFieldCount);
    for (const QString &field : fields)
        require(!hasControl(field));
    static const QRegularExpression amount(QStringLiteral("^(-?[0-9]+,[0-9][0-9])?$"));
    static const QRegularExpression date(QStringLiteral("^([0-9]{2}\\.[0-9]{2}\\.[0-9]{4})?$"));
    require(amount.match(fields[InvoiceLine::Preis]).hasMatch());
    require(date.match(fields[InvoiceLine::ReDatum]).hasMatch());
    require(date.match(fields[InvoiceLine::Ende]).hasMatch());
    require(fields[InvoiceLine::Artikel].size() <= EInvoiceRecord::kMaxArticleLength);
    require(fields[InvoiceLine::Status] == InvoiceLine::kStatusOpen);
    const QStringList failures = EInvoiceChecks::failures(invoice);
    require(!EInvoicePage::html(invoice).contains(QStringLiteral("<script")));
    require(!EInvoicePage::checksHtml(failures).contains(QStringLiteral("<script")));
    return 0;
}
