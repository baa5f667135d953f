#include "documents/DocumentKey.h"

#include "platform/TextTrim.h"
#include "platform/AsciiCase.h"

namespace {

constexpr qsizetype kCreditorLength = 6;

QString withoutBlanks(QString text)
{
    return text.remove(QLatin1Char(' '));
}

} // namespace

QString DocumentKey::of(const QString &creditorName, const QString &invoiceNumber)
{
    const QString creditor = TextTrim::trimmed(AsciiCase::lowered(creditorName)).left(kCreditorLength);
    return withoutBlanks(creditor) + withoutBlanks(TextTrim::trimmed(invoiceNumber));
}

// Without a separator the name cannot climb out either: "..", joined with ".dat", is an ordinary name.
bool DocumentKey::staysInFolder(const QString &key)
{
    return !key.contains(QLatin1Char('/')) && !key.contains(QLatin1Char('\\'));
}

QString DocumentKey::listFilePath(const QString &dataFolder, const QString &key)
{
    return dataFolder + key + QStringLiteral(".dat");
}
