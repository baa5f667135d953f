#pragma once

#include "platform/Dialogs.h"

#include <QString>

// What core code has to tell the user, for a window to show: the kind of box and the German text, no
// box at all when the text is empty. For calls whose failures come in more than one kind.
struct Notice {
    Dialogs::NoticeKind kind = Dialogs::NoticeKind::Error;
    QString text;
};
