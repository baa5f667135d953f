#pragma once

#include "platform/Dialogs.h"

#include <QList>
#include <QQueue>
#include <functional>

// Answers boxes from queues the test fills, and keeps every box shown so tests can assert exact texts.
// A box that needs an answer the test did not script, or an answer left unused when the script ends,
// fails the running test: a silent default would let a test pass that never saw its box.
class ScriptedDialogs final : public Dialogs {
public:
    struct Box {
        QString kind; // "information", "warning", "error", "confirmation", "question", "plain", "captioned", ...
        QString caption;
        QString text;
    };
    using WindowHandler = std::function<void(QDialog &)>;
    // Shows our own windows; only tests that link the window support have one.
    using WindowRunner = std::function<int(QDialog &)>;

    QQueue<bool> answers;                  // questions and confirmations: "Ja" or "Nein", they have no cancel
    QQueue<std::optional<QString>> inputs; // input boxes, file and folder choices; nullopt cancels
    QQueue<QStringList> fileLists;         // choices of several files
    QQueue<bool> printChoices;             // print dialogs
    QQueue<WindowHandler> windowHandlers;  // our own windows shown modally
    QList<Box> log;
    WindowRunner windowRunner;

    ~ScriptedDialogs() override;
    // Checks the script now: everything used, nothing unscripted asked. Also done at destruction.
    void verifyScriptUsed();
    // Logs a window about to be shown and hands out the handler scripted for it.
    WindowHandler nextWindowHandler(const Box &window);

    QStringList texts() const;
    QString lastText() const;

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
    template <typename T>
    T next(QQueue<T> &queue, const T &fallback);
    std::optional<QString> nextInput(const QString &kind, const QString &caption, const QString &text);

    QStringList m_unscripted;
};
