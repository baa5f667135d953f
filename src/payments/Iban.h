#pragma once

#include <QString>

// The IBAN as the user types it (blocks of four) and as a payment order needs it (one word, checked).
class Iban {
public:
    // A text of 4, 9, 14, 19 or 24 characters gets one blank appended, so typing forms blocks of four.
    static QString grouped(const QString &text);
    // The text without its blanks; other characters stay as typed.
    static QString compact(const QString &text);
    // The form a payment order carries: without blanks, the letters a to z in capitals.
    static QString forPayment(const QString &text);
    // Two letters, two digits and 1 to 30 letters or digits, ASCII only (ISO 13616), in any case.
    static bool hasValidForm(const QString &compact);
    // The mod-97 check of ISO 13616 on a text of valid form.
    static bool hasValidCheckDigits(const QString &compact);
};
