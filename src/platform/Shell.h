#pragma once

#include <QString>
#include <QStringList>

// Hands texts to the desktop: documents and addresses to their associated program, programs to start.
// Every call tells whether the desktop took the text, so the caller can report a failure.
class Shell {
public:
    virtual ~Shell() = default;
    // A web address, folder or file path, opened with the program the desktop associates with it.
    virtual bool open(const QString &target) = 0;
    // Starts a program with exactly these arguments, none split or joined.
    virtual bool start(const QString &program, const QStringList &arguments) = 0;
    virtual bool openFolder(const QString &folder) = 0;
    virtual bool startNewInstance() = 0;
};
