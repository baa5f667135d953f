#pragma once

#include "register/InvoiceLine.h"

#include <array>

// The creditor side of a record, copied from one record and pasted into another so a creditor who
// sends many invoices is typed once. The order is that of the copy and of the paste.
class CreditorData {
public:
    static constexpr std::array<InvoiceLine::Field, 13> kFields = {
        InvoiceLine::Name,    InvoiceLine::Email, InvoiceLine::Web, InvoiceLine::Plz, InvoiceLine::City,
        InvoiceLine::Strasse, InvoiceLine::Land,  InvoiceLine::Tel, InvoiceLine::Fax, InvoiceLine::Iban,
        InvoiceLine::Bic,     InvoiceLine::KNum,  InvoiceLine::HNr,
    };
};
