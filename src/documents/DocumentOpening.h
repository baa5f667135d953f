#pragma once

#include <QString>

// Hands documents to the program the desktop associates with them.
class DocumentOpening {
public:
    // The error to show when the desktop did not take the document, empty when it did.
    [[nodiscard]] static QString open(const QString &path);
};
