#pragma once

#include <QString>

// A stored record whose creditor or invoice number changed takes its document list along, so its
// documents stay linked and no list is left behind under the old key without a word.
class DocumentKeyChange {
public:
    // previousLine and storedLine are the record's lines before and after the store. Renames the old
    // key's list to the new key when only the old one exists; says so when both exist or the rename
    // fails.
    static void follow(const QString &dataFolder, const QString &previousLine, const QString &storedLine);
};
