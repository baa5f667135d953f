#include "documents/DocumentKey.h"

#include "platform/AsciiCase.h"
#include "platform/TextTrim.h"

namespace {

constexpr qsizetype kCreditorLength = 6;

QString withoutBlanks(QString text)
{
    return text.remove(QLatin1Char(' '));
}

// A separator in the key would make the list a path into another folder; invoice numbers like
// "RE-2024/0815" are common, so it becomes a plain character instead of being refused.
QString withoutSeparators(QString text)
{
    return text.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char('\\'), QLatin1Char('_'));
}

} // namespace

// From the values as they are stored, so the key of a shown record does not change when it is saved,
// and no control character reaches a file name.
QString DocumentKey::of(const QString &creditorName, const QString &invoiceNumber)
{
    const QString creditor = AsciiCase::lowered(TextTrim::storedValue(creditorName)).left(kCreditorLength);
    return withoutSeparators(withoutBlanks(creditor) + withoutBlanks(TextTrim::storedValue(invoiceNumber)));
}

// "...dat" would be an ordinary name, but a key ".." reads as the folder above wherever it is shown.
bool DocumentKey::staysInFolder(const QString &key)
{
    return key != QLatin1String("..") && !key.contains(QLatin1Char('/')) && !key.contains(QLatin1Char('\\'));
}

QString DocumentKey::listFilePath(const QString &dataFolder, const QString &key)
{
    return dataFolder + key + QStringLiteral(".dat");
}
