#pragma once

#include <QString>

struct zip_error;

// German reasons for failures of files and archives, for the notices that name them.
class FailureText {
public:
    static QString ofSystem(int errorNumber);
    static QString ofZip(const zip_error *error);
    static QString ofZipCode(int zipErrorCode);
    // For a failed zip_open: call at once, while errno still holds the system's part.
    static QString ofZipOpen(int zipErrorCode);
};
