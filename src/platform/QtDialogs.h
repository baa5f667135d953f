#pragma once

#include "platform/Dialogs.h"

// The real boxes, made with Qt's standard dialogs and German button texts.
class QtDialogs final : public Dialogs {
public:
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
};
