#pragma once

#include <QString>

// Hands texts to the desktop: documents and addresses to their associated program, programs to start.
class Shell {
public:
    virtual ~Shell() = default;
    // A web address, folder or file path, opened with the program the desktop associates with it.
    virtual void open(const QString &target) = 0;
    // Starts a program; the parameter text is split at blanks, as a command line would be.
    virtual void start(const QString &program, const QString &parameters) = 0;
    virtual void openFolder(const QString &folder) = 0;
    virtual void startNewInstance() = 0;
};
