#pragma once

// Our German help pages; a context number is an anchor on them.
class Help {
public:
    virtual ~Help() = default;
    virtual void show(int context) = 0;
};
