#include "platform/FailureNotice.h"

#include "platform/Platform.h"

void FailureNotice::show(const QString &failure, Dialogs::NoticeKind kind)
{
    if (!failure.isEmpty())
        Platform::dialogs().notice(kind, failure);
}

void FailureNotice::show(const Notice &notice)
{
    show(notice.text, notice.kind);
}
