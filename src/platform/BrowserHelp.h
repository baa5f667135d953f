#pragma once

#include "platform/Help.h"

// Opens the help page beside the program in the browser, at the anchor of the context.
class BrowserHelp final : public Help {
public:
    void show(int context) override;
};
