#pragma once

#include "platform/Dialogs.h"

#include <QList>
#include <QQueue>
#include <functional>

// Answers boxes from queues the test fills, and keeps every box shown so tests can assert exact texts.
class ScriptedDialogs final : public Dialogs {
public:
    struct Box {
        QString kind; // "information", "warning", "error", "confirmation", "question", "plain", "captioned", ...
        QString caption;
        QString text;
    };
    using WindowHandler = std::function<void(QDialog &)>;

    QQueue<bool> answers;                    // questions and confirmations; "Nein" when empty
    QQueue<std::optional<QString>> inputs;   // input boxes, file and folder choices; cancel when empty
    QQueue<QStringList> fileLists;           // choices of several files
    QQueue<WindowHandler> windowHandlers;    // our own windows shown modally
    QList<Box> log;

    QStringList texts() const;
    QString lastText() const;

    bool notice(NoticeKind kind, const QString &text) override;
    bool question(const QString &text) override;
    void plainMessage(const QString &text) override;
    void captionedMessage(const QString &caption, const QString &text) override;
    std::optional<QString> inputLine(const QString &caption, const QString &prompt,
                                     const QString &initial) override;
    std::optional<QString> openFile(const QString &caption, const QString &filter) override;
    QStringList openFiles(const QString &caption, const QString &filter) override;
    std::optional<QString> browseFolder(const QString &caption, const QString &start) override;
    int exec(QDialog &dialog) override;

private:
    bool nextAnswer();
    std::optional<QString> nextInput(const QString &kind, const QString &caption, const QString &text);
};
