// The reader of GiroCode payloads and the record made of a transfer read.
// Input: the bytes of the payload.
// Properties, against checks written here from the rules themselves:
//  - the read gives a transfer or a reason starting "Der QR-Code ist kein gültiger GiroCode: ";
//  - a transfer came from at most 331 bytes; its version is 001 or 002; name and IBAN are there, the BIC
//    too for 001; the IBAN passes mod 97 over ASCII letters and digits; the amount, when there, is
//    positive with at most two decimals; name (70), remittance (140) and information (70 characters)
//    keep their limits; reference and remittance are never both given;
//  - its record has 21 fields, none with a character below code 32.
#include "FuzzCheck.h"
#include "einvoice/EInvoiceRecord.h"
#include "einvoice/EpcTransferReader.h"
#include "register/InvoiceLine.h"

#include <algorithm>

namespace {

// ISO 7064 MOD 97-10, country and check digits moved to the end, letters as 10 to 35.
bool passesMod97(const QString &iban)
{
    if (iban.size() < 5)
        return false;
    int remainder = 0;
    for (const QChar c : iban.mid(4) + iban.left(4)) {
        const char16_t u = c.unicode();
        if (u >= u'0' && u <= u'9')
            remainder = (remainder * 10 + (u - u'0')) % 97;
        else if (u >= u'A' && u <= u'Z')
            remainder = (remainder * 100 + (u - u'A' + 10)) % 97;
        else if (u >= u'a' && u <= u'z')
            remainder = (remainder * 100 + (u - u'a' + 10)) % 97;
        else
            return false;
    }
    return remainder == 1;
}

bool isBelowBlank(QChar c)
{
    return c.unicode() < 32;
}

QString shown(const EpcTransfer &transfer)
{
    return FuzzCheck::shown(QStringList{transfer.version, transfer.bic, transfer.name, transfer.iban,
                                        transfer.amount ? transfer.amount->plain() : QStringLiteral("(none)"),
                                        transfer.purpose, transfer.reference, transfer.remittance,
                                        transfer.information});
}

void checkTransfer(const EpcTransfer &transfer, qsizetype payloadSize)
{
    const QString detail = shown(transfer);
    FUZZ_CHECK(payloadSize <= EpcTransferReader::kMaxBytes, detail);
    FUZZ_CHECK(transfer.version == u"001" || transfer.version == u"002", detail);
    FUZZ_CHECK(!transfer.name.isEmpty() && transfer.name.size() <= 70, detail);
    FUZZ_CHECK(transfer.version == u"002" || !transfer.bic.isEmpty(), detail);
    FUZZ_CHECK(passesMod97(transfer.iban), detail);
    FUZZ_CHECK(transfer.remittance.size() <= 140 && transfer.information.size() <= 70, detail);
    FUZZ_CHECK(transfer.reference.isEmpty() || transfer.remittance.isEmpty(), detail);
    if (transfer.amount) {
        FUZZ_CHECK(!transfer.amount->isNegative() && !transfer.amount->isZero(), detail);
        const QString plain = transfer.amount->plain();
        FUZZ_CHECK(!plain.contains(u'.') || plain.size() - plain.indexOf(u'.') <= 3, detail);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray payload(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::variant<EpcTransfer, QString> read = EpcTransferReader::read(payload);
    if (const QString *reason = std::get_if<QString>(&read)) {
        FUZZ_CHECK(reason->startsWith(QStringLiteral("Der QR-Code ist kein gültiger GiroCode: ")), *reason);
        return 0;
    }
    const EpcTransfer &transfer = std::get<EpcTransfer>(read);
    checkTransfer(transfer, payload.size());
    const QStringList fields = EInvoiceRecord::fields(transfer);
    FUZZ_CHECK(fields.size() == InvoiceLine::kFieldCount, FuzzCheck::shown(fields));
    for (const QString &field : fields)
        FUZZ_CHECK(std::none_of(field.cbegin(), field.cend(), isBelowBlank), FuzzCheck::shown(fields));
    return 0;
}
