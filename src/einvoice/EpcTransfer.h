#pragma once

#include "einvoice/Decimal.h"

#include <QString>
#include <optional>

// The credit transfer a GiroCode (EPC QR code) asks for.
struct EpcTransfer {
    QString version; // "001" or "002"
    QString bic;
    QString name;
    QString iban;
    std::optional<Decimal> amount; // in euros
    QString purpose;
    QString reference;   // structured creditor reference
    QString remittance;  // unstructured remittance text
    QString information; // beneficiary to originator
};
