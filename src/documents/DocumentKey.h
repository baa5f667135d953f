#pragma once

#include <QString>

// The name of an invoice's document list, built from its creditor name and invoice number.
class DocumentKey {
public:
    // The first six characters of the creditor in small letters A to Z and the invoice number, both as
    // stored, without blanks; "/" and "\" become "_".
    static QString of(const QString &creditorName, const QString &invoiceNumber);
    // False for ".." and for a key that would name a file outside the data folder.
    static bool staysInFolder(const QString &key);
    static QString listFilePath(const QString &dataFolder, const QString &key);
};
