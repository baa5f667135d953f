#pragma once

#include <QString>
#include <optional>

// Where an archive entry may land below the data folder.
class EntryPath {
public:
    // The entry's path below the data folder, or nothing for a folder entry and for a name that could
    // lead outside or is no plain path: a leading "/", an empty or ".." part between the "/". "\" and
    // ":" are ordinary characters of a name on this system. "." parts are dropped.
    static std::optional<QString> below(const QString &entryName);
    // A folder entry ("docs/"), which a restore makes no file of and need not mention.
    static bool isFolder(const QString &entryName);
};
