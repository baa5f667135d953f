#include "ScriptedDialogs.h"

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

ScriptedDialogs::~ScriptedDialogs()
{
    verifyScriptUsed();
}

void ScriptedDialogs::verifyScriptUsed()
{
    QStringList problems = std::exchange(m_unscripted, {});
    const auto unused = [&problems](qsizetype count, const char *what) {
        if (count > 0)
            problems.append(QStringLiteral("%1 unused %2").arg(count).arg(QLatin1String(what)));
    };
    unused(answers.size(), "answers");
    unused(inputs.size(), "inputs");
    unused(fileLists.size(), "file lists");
    unused(printChoices.size(), "print choices");
    unused(windowHandlers.size(), "window handlers");
    answers.clear();
    inputs.clear();
    fileLists.clear();
    printChoices.clear();
    windowHandlers.clear();
    // A test that failed already has told its fault; a second report would only hide it.
    if (!problems.isEmpty() && !QTest::currentTestFailed())
        QTest::qFail(qPrintable(QStringLiteral("dialog script: ") + problems.join(QStringLiteral("; "))), __FILE__,
                     __LINE__);
}

template <typename T>
T ScriptedDialogs::next(QQueue<T> &queue, const T &fallback)
{
    if (!queue.isEmpty())
        return queue.dequeue();
    const Box &box = log.last();
    m_unscripted.append(QStringLiteral("unscripted %1 \"%2\"").arg(box.kind, box.text));
    return fallback;
}

std::optional<QString> ScriptedDialogs::nextInput(const QString &kind, const QString &caption, const QString &text)
{
    log.append({kind, caption, text});
    return next<std::optional<QString>>(inputs, std::nullopt);
}

bool ScriptedDialogs::notice(NoticeKind kind, const QString &text)
{
    log.append({kindName(kind), Dialogs::captionOf(kind), text});
    return kind == NoticeKind::Confirmation ? next(answers, false) : true;
}

bool ScriptedDialogs::question(const QString &text)
{
    log.append({QStringLiteral("question"), QStringLiteral("zettmar"), text});
    return next(answers, false);
}

void ScriptedDialogs::plainMessage(const QString &text)
{
    log.append({QStringLiteral("plain"), QStringLiteral("zettmar"), text});
}

void ScriptedDialogs::captionedMessage(const QString &caption, const QString &text, Icon icon)
{
    static const char *const kIconNames[] = {"", " information", " warning", " error", " question"};
    log.append({QStringLiteral("captioned") + QLatin1String(kIconNames[static_cast<int>(icon)]), caption, text});
}

bool ScriptedDialogs::captionedQuestion(const QString &caption, const QString &text)
{
    log.append({QStringLiteral("question"), caption, text});
    return next(answers, false);
}

std::optional<QString> ScriptedDialogs::inputLine(const QString &caption, const QString &prompt, const QString &)
{
    return nextInput(QStringLiteral("input"), caption, prompt);
}

std::optional<QString> ScriptedDialogs::openFile(const QString &caption, const QString &filter,
                                                 const QString &startFolder)
{
    return nextInput(QStringLiteral("openFile"), caption, filter + QLatin1Char('|') + startFolder);
}

QStringList ScriptedDialogs::openFiles(const QString &caption, const QString &filter, const QString &startFolder)
{
    log.append({QStringLiteral("openFiles"), caption, filter + QLatin1Char('|') + startFolder});
    return next(fileLists, QStringList());
}

std::optional<QString> ScriptedDialogs::browseFolder(const QString &caption, const QString &start)
{
    return nextInput(QStringLiteral("browseFolder"), caption, start);
}

bool ScriptedDialogs::printDialog(QPrinter &)
{
    log.append({QStringLiteral("print"), QString(), QString()});
    return next(printChoices, false);
}

ScriptedDialogs::WindowHandler ScriptedDialogs::nextWindowHandler(const Box &window)
{
    log.append(window);
    return next(windowHandlers, WindowHandler());
}

int ScriptedDialogs::exec(QDialog &dialog)
{
    if (windowRunner)
        return windowRunner(dialog);
    m_unscripted.append(QStringLiteral("a window shown in a test without windows"));
    return 0;
}
