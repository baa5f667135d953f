#pragma once

#include <QString>

// A prepared mail to the creditor (recipient and subject), handed to the desktop's mail program: an
// installed client gets a compose argument, otherwise a mailto: link goes to the registered handler.
class MailHandOff {
public:
    // True when the mail program's file name is thunderbird, in any case, with or without ".exe".
    static bool isClient(const QString &mailProgram);
    // The argument after "-compose": "to=<address>,subject=Rechnung <number>", both trimmed; the
    // mailto: link of the trimmed values where one holds a comma or a quote.
    static QString composeText(const QString &address, const QString &invoiceNumber);
    // "mailto:<address>?subject=Rechnung <number>", address trimmed, number as typed, both
    // percent-encoded in UTF-8.
    static QString mailtoLink(const QString &address, const QString &invoiceNumber);
    // Hands the mail over, the field texts as they stand; the error to show when it could not.
    [[nodiscard]] static QString send(const QString &mailProgram, const QString &addressField,
                                      const QString &invoiceNumberField);
    // Only the presence of an "@" is asked of a filled address.
    static bool isPlausibleAddress(const QString &addressField);
};
