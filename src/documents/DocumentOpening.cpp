#include "documents/DocumentOpening.h"

#include "documents/DocumentPath.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/Shell.h"

void DocumentOpening::openIfThere(const QString &path, const QString &missingText)
{
    if (DocumentPath::isExistingFile(path))
        open(path);
    else
        Platform::dialogs().notice(Dialogs::NoticeKind::Warning, missingText);
}

void DocumentOpening::open(const QString &path)
{
    if (!Platform::shell().open(path))
        Platform::dialogs().notice(Dialogs::NoticeKind::Error,
                                   QStringLiteral("Die Datei \"%1\" kann nicht geöffnet werden.").arg(path));
}
