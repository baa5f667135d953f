#pragma once

#include <QString>

// The system's reasons for a failed file operation come in English ("No such file or directory"); the
// common ones are put into German here, the rest stay as the system gives them.
class SystemReason {
public:
    static QString german(const QString &reason);
};
