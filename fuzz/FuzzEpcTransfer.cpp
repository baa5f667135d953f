// Properties checked for every input given to EpcTransferReader::read:
// 1. It returns a transfer or a reason starting "Der QR-Code ist kein gültiger GiroCode: ".
// 2. A transfer came from at most 331 bytes; its version is 001 or 002; name and IBAN are there, the
//    BIC too for 001; the IBAN passes an independent mod-97 check over ASCII letters and digits; the
//    amount, when there, is positive with at most two decimals; name, remittance and information keep
//    the length limits; reference and remittance are never both given.
// 3. Its record has 21 fields with the amount as "digits,dd" or empty and no character below code 32.
#include "einvoice/EInvoiceRecord.h"
#include "einvoice/EpcTransferReader.h"
#include "register/InvoiceLine.h"

#include <cstdlib>

namespace {

void require(bool property)
{
    if (!property)
        std::abort();
}

// Written apart from the program's own check: digits and the letters A-Z only, remainder 1.
bool mod97(const QString &iban)
{
    if (iban.size() < 5)
        return false;
    const QString moved = iban.mid(4) + iban.left(4);
    int remainder = 0;
    for (const QChar c : moved) {
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    const QByteArray payload(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::variant<EpcTransfer, QString> read = EpcTransferReader::read(payload);
    if (const QString *reason = std::get_if<QString>(&read)) {
        require(reason->startsWith(QStringLiteral("Der QR-Code ist kein gültiger GiroCode: ")));
        return 0;
    }
    const EpcTransfer &transfer = std::get<EpcTransfer>(read);
    require(payload.size() <= EpcTransferReader::kMaxBytes);
    require(transfer.version == u"001" || transfer.version == u"002");
    require(!transfer.name.isEmpty() && transfer.name.size() <= 70);
    require(transfer.version == u"002" || !transfer.bic.isEmpty());
    require(mod97(transfer.iban));
    require(transfer.remittance.size() <= 140 && transfer.information.size() <= 70);
    require(transfer.reference.isEmpty() || transfer.remittance.isEmpty());
    if (transfer.amount) {
        require(!transfer.amount->isNegative() && !transfer.amount->isZero());
        const QString plain = transfer.amount->plain();
        require(!plain.contains(u'.') || plain.size() - plain.indexOf(u'.') <= 3);
    }
    const QStringList fields = EInvoiceRecord::fields(transfer);
    require(fields.size() == InvoiceLine::kFieldCount);
    for (const QString &field : fields) {
        for (const QChar c : field)
            require(c.unicode() >= 32);
    }
    return 0;
}
