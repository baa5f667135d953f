#pragma once

#include "platform/Shell.h"

class DesktopShell final : public Shell {
public:
    bool open(const QString &target) override;
    bool start(const QString &program, const QStringList &arguments) override;
    bool openFolder(const QString &folder) override;
    bool startNewInstance() override;
};
