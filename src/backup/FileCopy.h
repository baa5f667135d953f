#pragma once

#include <QString>
#include <functional>

// Copies one file through FileReplace, so a failed copy never leaves a half-written target and an
// existing target stays whole until then. Copies are the owner's alone: they may hold the settings.
class FileCopy {
public:
    using Progress = std::function<void(double done)>;
    // Keeps the modification time. Returns the reason of a failure, empty on success.
    [[nodiscard]] static QString copy(const QString &source, const QString &target, const Progress &progress = {});
    // True when both paths name one existing file, which must not be copied onto itself.
    static bool sameFile(const QString &a, const QString &b);
};
