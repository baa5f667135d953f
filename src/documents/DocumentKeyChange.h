#pragma once

#include "platform/Notice.h"

#include <QString>

// A stored record whose creditor or invoice number changed takes its document list along, so its
// documents stay linked and no list is left behind under the old key without a word.
class DocumentKeyChange {
public:
    // previousLine and storedLine are the record's lines before and after the store. Renames the old
    // key's list to the new key when only the old one exists; the notice to show when both exist (a
    // warning) or the rename fails (an error), empty otherwise.
    [[nodiscard]] static Notice follow(const QString &dataFolder, const QString &previousLine,
                                       const QString &storedLine);
};
