#pragma once

#include <QString>

// Our German help pages; a context number is an anchor on them.
class Help {
public:
    virtual ~Help() = default;
    virtual void show(int context) = 0;
};

class BrowserHelp final : public Help {
public:
    void show(int context) override;
};

// The address of a help context in the help file beside the program.
QString helpAddress(const QString &programFolder, int context);
