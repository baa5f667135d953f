#pragma once

#include "platform/Dialogs.h"
#include "platform/Platform.h"

// The boxes of a restore answered for a fuzz run: every question "Ja", the file choice given, every notice
// kept. Any other box breaks the run: a target must know every box its code path shows.
class FuzzDialogs final : public Dialogs {
public:
    FuzzDialogs();
    ~FuzzDialogs() override;

    QStringList chosenFiles;
    QStringList notices;

    bool notice(NoticeKind kind, const QString &text) override;
    bool question(const QString &text) override;
    void plainMessage(const QString &text) override;
    void captionedMessage(const QString &caption, const QString &text, Icon icon) override;
    bool captionedQuestion(const QString &caption, const QString &text) override;
    std::optional<QString> inputLine(const QString &caption, const QString &prompt, const QString &initial) override;
    std::optional<QString> openFile(const QString &caption, const QString &filter, const QString &startFolder) override;
    QStringList openFiles(const QString &caption, const QString &filter, const QString &startFolder) override;
    std::optional<QString> browseFolder(const QString &caption, const QString &start) override;
    bool printDialog(QPrinter &printer) override;
    int exec(QDialog &dialog) override;

private:
    Platform::Services m_previous;
};
