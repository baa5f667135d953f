#pragma once

#include <QString>

// Our German help pages; a context number is an anchor on them.
class Help {
public:
    virtual ~Help() = default;
    // Why the page could not be shown, in German; empty once it is.
    [[nodiscard]] virtual QString show(int context) = 0;
};
