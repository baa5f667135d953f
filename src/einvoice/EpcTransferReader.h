#pragma once

#include "einvoice/EpcTransfer.h"

#include <QByteArray>
#include <variant>

// Reads the payload of a GiroCode: the EPC guidelines' lines, versions 001 and 002, character sets 1
// (UTF-8) to 8 (ISO 8859-15), lines ended by LF or CR LF.
class EpcTransferReader {
public:
    // The transfer, or the reason in German why the payload is none.
    static std::variant<EpcTransfer, QString> read(const QByteArray &payload);
    static constexpr qsizetype kMaxBytes = 331;
};
