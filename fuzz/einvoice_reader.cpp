// The reader of electronic invoices (UBL, CII, ZUGFeRD 1) and what is made of an invoice read.
// Input: the bytes of the XML file.
// Properties:
//  - the read gives an invoice or a reason that is not empty;
//  - the record of an invoice has exactly 21 fields, none with a character below code 32; the amount is
//    empty or "-?digits,dd", both dates are empty or dd.MM.yyyy, the article list keeps to 200
//    characters and the status is "Offen";
//  - the checks of the invoice run, and neither the invoice page nor the page of the checks holds
//    "<script".
#include "FuzzCheck.h"
#include "einvoice/EInvoiceChecks.h"
#include "einvoice/EInvoicePage.h"
#include "einvoice/EInvoiceReader.h"
#include "einvoice/EInvoiceRecord.h"
#include "register/InvoiceLine.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

bool isBelowBlank(QChar c)
{
    return c.unicode() < 32;
}

void checkRecord(const QStringList &fields)
{
    const QString shown = FuzzCheck::shown(fields);
    FUZZ_CHECK(fields.size() == InvoiceLine::kFieldCount, shown);
    for (const QString &field : fields)
        FUZZ_CHECK(std::none_of(field.cbegin(), field.cend(), isBelowBlank), shown);
    static const QRegularExpression amount(QStringLiteral("^(-?[0-9]+,[0-9][0-9])?$"));
    static const QRegularExpression date(QStringLiteral("^([0-9]{2}\\.[0-9]{2}\\.[0-9]{4})?$"));
    FUZZ_CHECK(amount.match(fields[InvoiceLine::Preis]).hasMatch(), shown);
    FUZZ_CHECK(date.match(fields[InvoiceLine::ReDatum]).hasMatch(), shown);
    FUZZ_CHECK(date.match(fields[InvoiceLine::Ende]).hasMatch(), shown);
    FUZZ_CHECK(fields[InvoiceLine::Artikel].size() <= EInvoiceRecord::kMaxArticleLength, shown);
    FUZZ_CHECK(fields[InvoiceLine::Status] == InvoiceLine::kStatusOpen, shown);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray xml(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::variant<EInvoice, QString> read = EInvoiceReader::read(xml);
    if (const QString *reason = std::get_if<QString>(&read)) {
        FUZZ_CHECK(!reason->isEmpty(), QStringLiteral("refused without a reason"));
        return 0;
    }
    const EInvoice &invoice = std::get<EInvoice>(read);
    checkRecord(EInvoiceRecord::fields(invoice));
    const QStringList failures = EInvoiceChecks::failures(invoice);
    const QString page = EInvoicePage::html(invoice);
    FUZZ_CHECK(!page.contains(QStringLiteral("<script")), FuzzCheck::shown(page));
    const QString checksPage = EInvoicePage::checksHtml(failures);
    FUZZ_CHECK(!checksPage.contains(QStringLiteral("<script")), FuzzCheck::shown(checksPage));
    return 0;
}
