#pragma once

#include "platform/Shell.h"

#include <functional>

class DesktopShell final : public Shell {
public:
    // A new instance starts from our own program file, or from ownProgram.
    DesktopShell();
    explicit DesktopShell(const QString &ownProgram);
    bool open(const QString &target) override;
    bool start(const QString &program, const QStringList &arguments) override;
    bool openFolder(const QString &folder) override;
    bool startNewInstance() override;

    // Runs right before a new instance starts, so this copy can give up what the new one must take.
    std::function<void()> beforeNewInstance;

private:
    QString m_ownProgram;
};
