#pragma once

#include <QString>

// Hands documents to the program the desktop associates with them, and says so when that fails.
class DocumentOpening {
public:
    // Shows missingText as a warning when no file is at path.
    static void openIfThere(const QString &path, const QString &missingText);
    static void open(const QString &path);
};
