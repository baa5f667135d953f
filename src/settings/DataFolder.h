#pragma once

#include <QString>

// The data folder as the start finds it: made when missing, cleared of what an interrupted save left.
class DataFolder {
public:
    // Makes the folder and the folders above it. The data folder itself is made readable for the user
    // only. Returns the system's reason of a failure, empty on success.
    static QString create(const QString &path);
    // An atomic save writes "name.XXXXXX" beside the file and renames it; a program killed in between
    // leaves it behind. Removes those of the year files and the settings file, nothing else.
    static void removeSaveLeftovers(const QString &path);
};
