#pragma once

#include <QFont>

// The serif face every printout is set in.
class PrintFont {
public:
    static QFont of(int pointSize, bool bold = false);
};
