#pragma once

#include <QString>
#include <QStringList>

// The text a banking app reads to start a SEPA credit transfer: the lines of the EPC QR guidelines,
// version 001, character set UTF-8, each line ended by LF.
class EpcPayload {
public:
    // What the payment window receives from the record, trimmed, the IBAN without blanks.
    struct Fields {
        QString Bic;
        QString Firma;
        QString Iban;
        QString Betrag; // as typed, German form
        QString RechNr;
        QString Zusatz; // the user's customer number; may be empty
    };

    // Why these fields make no valid payment code, for the user; empty when they do.
    static QString problem(const Fields &fields);
    // The lines the window starts from; lines 5 to 7 hold placeholders that are always replaced.
    static QStringList templateLines();
    // Writes the fields into lines 5 to 8 and 11 of lines, and line 12 only for a customer number.
    static void fill(QStringList &lines, const Fields &fields);
    // Every line followed by one LF, the last one included.
    static QString text(const QStringList &lines);
    // The longest payload the guidelines allow, in bytes of UTF-8.
    static constexpr int kMaxBytes = 331;
};
