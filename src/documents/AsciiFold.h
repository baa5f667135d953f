#pragma once

#include <QString>

// Case folding of searches, sorts and keys: only the letters A-Z become a-z; umlauts and everything
// else stay as they are.
class AsciiFold {
public:
    static QString lowered(QString text);
};
