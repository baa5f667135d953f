#include "platform/Dialogs.h"

QString Dialogs::captionOf(NoticeKind kind)
{
    switch (kind) {
    case NoticeKind::Information: return QStringLiteral("Informationen");
    case NoticeKind::Warning: return QStringLiteral("Warnung");
    case NoticeKind::Error: return QStringLiteral("Fehler");
    case NoticeKind::Confirmation: return QStringLiteral("Bestätigen");
    }
    return {};
}
