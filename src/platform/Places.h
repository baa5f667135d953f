#pragma once

#include <QString>

// Where our files and the programs we hand over to lie. Folders end in "/".
class Places {
public:
    virtual ~Places() = default;
    virtual QString dataFolder() const = 0;
    virtual QString programFolder() const = 0;
    // Full path of an installed mail client, or empty.
    virtual QString mailClient() const = 0;
};
