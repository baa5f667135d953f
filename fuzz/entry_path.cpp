// Where an archive entry may land below the data folder.
// Input: the entry name as UTF-8.
// Properties:
//  - a name is refused only when it is empty, starts with "/", or has a ".." or an empty part between
//    "/" separators; "\" and ":" are ordinary characters of a name on Linux;
//  - a folder entry (ending in "/") places no file;
//  - every other name lands under exactly its name (names with "." parts are only held to the next rule);
//  - whatever lands is relative, without ".." or empty parts.
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "backup/EntryPath.h"

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const FuzzInput input(data, size);
    const QString name = QString::fromUtf8(input.bytes());
    const std::optional<QString> below = EntryPath::below(name);
    if (below) {
        const QStringList parts = below->split(u'/');
        FUZZ_CHECK(!below->startsWith(u'/') && !parts.contains(QStringLiteral("..")) && !parts.contains(QString()),
                   FuzzCheck::shown(name) + QStringLiteral(" lands at ") + FuzzCheck::shown(*below));
    }
    // A zip entry name cannot hold a NUL; what the file system would make of one is no question here.
    if (name.contains(QChar(0)))
        return 0;
    const bool folder = name.endsWith(u'/');
    const QStringList parts = (folder ? name.chopped(1) : name).split(u'/');
    const bool refused
        = name.isEmpty() || name.startsWith(u'/') || parts.contains(QStringLiteral("..")) || parts.contains(QString());
    if (refused || folder) {
        FUZZ_CHECK(!below,
                   FuzzCheck::shown(name) + QStringLiteral(" lands at ") + FuzzCheck::shown(below.value_or(QString())));
        return 0;
    }
    if (!parts.contains(QStringLiteral(".")))
        FUZZ_CHECK(below == name,
                   FuzzCheck::shown(name) + QStringLiteral(" lands at ")
                       + (below ? FuzzCheck::shown(*below) : QStringLiteral("nothing")));
    return 0;
}
