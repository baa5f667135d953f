#pragma once

#include <QString>
#include <optional>

// Where an archive entry may land below the data folder.
class EntryPath {
public:
    // The entry's path below the data folder with "/" between folders, or nothing for a folder entry and
    // for a name that could lead outside: absolute ("/x", "\x", "C:x") or with a ".." part, where "/" and
    // "\" both separate parts.
    static std::optional<QString> below(const QString &entryName);
};
