#include "FuzzDialogs.h"

#include "FuzzCheck.h"

namespace {

[[noreturn]] void unexpected(const QString &text)
{
    FuzzCheck::fail("only the boxes of the code path fuzzed", __FILE__, __LINE__, text);
}

} // namespace

FuzzDialogs::FuzzDialogs()
{
    Platform::Services services;
    services.dialogs = this;
    m_previous = Platform::install(services);
}

FuzzDialogs::~FuzzDialogs()
{
    Platform::install(m_previous);
}

bool FuzzDialogs::notice(NoticeKind, const QString &text)
{
    notices.append(text);
    return true;
}

bool FuzzDialogs::question(const QString &)
{
    return true;
}

void FuzzDialogs::plainMessage(const QString &text)
{
    notices.append(text);
}

void FuzzDialogs::captionedMessage(const QString &, const QString &text, Icon)
{
    notices.append(text);
}

bool FuzzDialogs::captionedQuestion(const QString &, const QString &)
{
    return true;
}

std::optional<QString> FuzzDialogs::inputLine(const QString &caption, const QString &, const QString &)
{
    unexpected(caption);
}

std::optional<QString> FuzzDialogs::openFile(const QString &caption, const QString &, const QString &)
{
    unexpected(caption);
}

QStringList FuzzDialogs::openFiles(const QString &, const QString &, const QString &)
{
    return chosenFiles;
}

std::optional<QString> FuzzDialogs::browseFolder(const QString &caption, const QString &)
{
    unexpected(caption);
}

bool FuzzDialogs::printDialog(QPrinter &)
{
    unexpected(QStringLiteral("print dialog"));
}

int FuzzDialogs::exec(QDialog &)
{
    unexpected(QStringLiteral("window"));
}
