#pragma once

#include "ScriptedDialogs.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/Help.h"
#include "platform/Places.h"
#include "platform/Platform.h"
#include "platform/PointerSynth.h"
#include "platform/Process.h"
#include "platform/Shell.h"

#include <QTemporaryDir>

class RecordingShell final : public Shell {
public:
    // "open <target>", "start <program> [<argument>] [<argument>]...", "folder <path>", "restart"
    QStringList calls;
    bool succeeds = true; // what every call reports back
    bool open(const QString &target) override;
    bool start(const QString &program, const QStringList &arguments) override;
    bool openFolder(const QString &folder) override;
    bool startNewInstance() override;
};

// A fresh data folder below a temporary XDG_DATA_HOME; the data folder itself is not created. The
// user's runtime folder (XDG_RUNTIME_DIR, where running copies meet) is a private one below it too.
class TempDataFolder final : public Places {
public:
    TempDataFolder();
    ~TempDataFolder() override;
    QString root() const;
    QString dataFolder() const override;
    QString programFolder() const override;
    QString mailClient() const override;
    QString mailClientPath;
    // Writes a file of the data folder (creating the folder) and returns its full path.
    QString putFile(const QString &name, const QByteArray &bytes) const;
    QByteArray fileBytes(const QString &name) const;

private:
    QTemporaryDir m_root;
    QByteArray m_previousXdg;
    QByteArray m_previousRuntime;
};

class FixedClock final : public Clock {
public:
    QDateTime fixedNow{QDate(2024, 3, 15), QTime(10, 30, 0)};
    QDate today() const override { return fixedNow.date(); }
    QDateTime now() const override { return fixedNow; }
};

class RecordingProcess final : public Process {
public:
    QList<int> endCodes;
    void endNow(int exitCode) override { endCodes.append(exitCode); }
};

class RecordingHelp final : public Help {
public:
    QList<int> contexts;
    QString show(int context) override
    {
        contexts.append(context);
        return {};
    }
};

class MemoryClipboard final : public Clipboard {
public:
    QString content;
    void setText(const QString &text) override { content = text; }
    QString text() const override { return content; }
};

// Answers button queries from a script and records the events sent, in their order: "move x,y", "press",
// "release", "Ctrl down", "V down", "Ctrl up", "V up".
class RecordingPointerSynth final : public PointerSynth {
public:
    bool synthesizes = true;           // what available() reports
    mutable QQueue<bool> buttonStates; // one per query, as time passes; up once the script is used
    QPoint position{120, 340};         // where the pointer stands
    QStringList events;

    bool available() const override { return synthesizes; }
    bool primaryButtonDown() const override;
    QPoint pointerPosition() const override { return position; }
    void movePointer(QPoint screenPosition) override;
    void primaryButton(bool down) override;
    void key(Key key, bool down) override;
};

// Installs a full set of doubles for the lifetime of a test and puts the previous services back after.
class PlatformDoubles {
public:
    PlatformDoubles();
    ~PlatformDoubles();
    PlatformDoubles(const PlatformDoubles &) = delete;
    PlatformDoubles &operator=(const PlatformDoubles &) = delete;

    ScriptedDialogs dialogs;
    RecordingShell shell;
    TempDataFolder places;
    FixedClock clock;
    RecordingProcess process;
    RecordingHelp help;
    MemoryClipboard clipboard;
    RecordingPointerSynth pointer;

private:
    Platform::Services m_previous;
};
