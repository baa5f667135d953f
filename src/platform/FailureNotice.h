#pragma once

#include "platform/Dialogs.h"
#include "platform/Notice.h"

#include <QString>

// Core calls return their failure as a German text, empty when they succeeded; the windows show it here.
class FailureNotice {
public:
    // Shows failure in a box of kind; nothing when it is empty.
    static void show(const QString &failure, Dialogs::NoticeKind kind = Dialogs::NoticeKind::Error);
    static void show(const Notice &notice);
};
