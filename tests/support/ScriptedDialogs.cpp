#include "ScriptedDialogs.h"

#include <QDialog>
#include <QTest>

namespace {

QString kindName(Dialogs::NoticeKind kind)
{
    switch (kind) {
    case Dialogs::NoticeKind::Information: return QStringLiteral("information");
    case Dialogs::NoticeKind::Warning: return QStringLiteral("warning");
    case Dialogs::NoticeKind::Error: return QStringLiteral("error");
    case Dialogs::NoticeKind::Confirmation: return QStringLiteral("confirmation");
    }
    return {};
}

} // namespace

QStringList ScriptedDialogs::texts() const
{
    QStringList result;
    for (const Box &box : log)
        result.append(box.text);
    return result;
}

QString ScriptedDialogs::lastText() const
{
    return log.isEmpty() ? QString() : log.last().text;
}

bool ScriptedDialogs::nextAnswer()
{
    return answers.isEmpty() ? false : answers.dequeue();
}

std::optional<QString> ScriptedDialogs::nextInput(const QString &kind, const QString &caption,
                                                  const QString &text)
{
    log.append({kind, caption, text});
    return inputs.isEmpty() ? std::nullopt : inputs.dequeue();
}

bool ScriptedDialogs::notice(NoticeKind kind, const QString &text)
{
    log.append({kindName(kind), Dialogs::captionOf(kind), text});
    return kind == NoticeKind::Confirmation ? nextAnswer() : true;
}

bool ScriptedDialogs::question(const QString &text)
{
    log.append({QStringLiteral("question"), QStringLiteral("zettmar"), text});
    return nextAnswer();
}

void ScriptedDialogs::plainMessage(const QString &text)
{
    log.append({QStringLiteral("plain"), QStringLiteral("zettmar"), text});
}

void ScriptedDialogs::captionedMessage(const QString &caption, const QString &text)
{
    log.append({QStringLiteral("captioned"), caption, text});
}

std::optional<QString> ScriptedDialogs::inputLine(const QString &caption, const QString &prompt,
                                                  const QString &)
{
    return nextInput(QStringLiteral("input"), caption, prompt);
}

std::optional<QString> ScriptedDialogs::openFile(const QString &caption, const QString &filter)
{
    return nextInput(QStringLiteral("openFile"), caption, filter);
}

QStringList ScriptedDialogs::openFiles(const QString &caption, const QString &filter)
{
    log.append({QStringLiteral("openFiles"), caption, filter});
    return fileLists.isEmpty() ? QStringList() : fileLists.dequeue();
}

std::optional<QString> ScriptedDialogs::browseFolder(const QString &caption, const QString &start)
{
    return nextInput(QStringLiteral("browseFolder"), caption, start);
}

int ScriptedDialogs::exec(QDialog &dialog)
{
    log.append({QStringLiteral("window"), dialog.windowTitle(), dialog.objectName()});
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    QTest::qWait(0);
    if (!windowHandlers.isEmpty())
        windowHandlers.dequeue()(dialog);
    if (dialog.isVisible())
        dialog.hide();
    return dialog.result();
}
