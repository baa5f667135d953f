#pragma once

#include <QString>

// Opens folders in the desktop's file manager for the backup window.
class FolderOpener {
public:
    // The folder part of a file's path (with its "/"); a folder, also one with a dot in its name, as it is.
    static QString folderOf(const QString &path);
    // Opens the trimmed folder; false when the desktop could not.
    [[nodiscard]] static bool open(const QString &folder);
};
