#pragma once

#include "platform/Process.h"

class SystemProcess final : public Process {
public:
    void endNow(int exitCode) override;
};
