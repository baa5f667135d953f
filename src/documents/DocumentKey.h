#pragma once

#include <QString>

// The name of an invoice's document list, built from its creditor name and invoice number.
class DocumentKey {
public:
    static QString of(const QString &creditorName, const QString &invoiceNumber);
    // False for a key that would name a file outside the data folder.
    static bool staysInFolder(const QString &key);
    static QString listFilePath(const QString &dataFolder, const QString &key);
};
