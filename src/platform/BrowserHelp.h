#pragma once

#include "platform/Help.h"

// Opens our help page in the browser at the anchor of the context, from the build tree or the install.
class BrowserHelp final : public Help {
public:
    [[nodiscard]] QString show(int context) override;
};
