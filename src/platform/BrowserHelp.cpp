#include "platform/BrowserHelp.h"

#include "platform/Places.h"
#include "platform/Platform.h"
#include "platform/Shell.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

// Beside the program in the build tree; below share/ of the prefix where the program is installed.
QString helpPage(const QString &programFolder)
{
    for (const QString &folder : {QStringLiteral("help/"), QStringLiteral("../share/zettmar/help/")}) {
        const QString page = QDir::cleanPath(programFolder + folder + QStringLiteral("zettmar.html"));
        if (QFileInfo::exists(page))
            return page;
    }
    return {};
}

QString address(const QString &page, int context)
{
    QUrl url = QUrl::fromLocalFile(page);
    url.setFragment(QStringLiteral("context-%1").arg(context));
    return url.toString(QUrl::FullyEncoded);
}

} // namespace

QString BrowserHelp::show(int context)
{
    const QString page = helpPage(Platform::places().programFolder());
    if (page.isEmpty())
        return QStringLiteral("Die Hilfeseiten von zettmar sind nicht installiert.");
    if (!Platform::shell().open(address(page, context)))
        return QStringLiteral("Die Hilfe kann nicht angezeigt werden: Es wurde kein Programm "
                              "zum Anzeigen von Webseiten gefunden.");
    return {};
}
