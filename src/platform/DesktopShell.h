#pragma once

#include "platform/Shell.h"

class DesktopShell final : public Shell {
public:
    void open(const QString &target) override;
    void start(const QString &program, const QString &parameters) override;
    void openFolder(const QString &folder) override;
    void startNewInstance() override;
};
