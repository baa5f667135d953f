#include "app/YearCommand.h"

#include "app/TFormLizenz.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/TextTrim.h"
#include "register/InvoiceFile.h"
#include "register/TFormJahre.h"
#include "register/YearList.h"

#include <QFileInfo>

YearCommand::YearCommand(TFormLizenz &main, TFormJahre &years)
    : m_main(main)
    , m_years(years)
{
}

// The current calendar year is always offered: without its file it starts as at a first run.
void YearCommand::Jahrladen1Click()
{
    const QString dataFolder = m_main.context().DatenPfad;
    const QString currentYear = QString::number(Platform::clock().today().year());
    const QString year = TextTrim::trimmed(m_years.choose(YearList::inFolder(dataFolder, currentYear)));
    if (year.isEmpty())
        return;
    const QString path = InvoiceFile::pathFor(dataFolder, year);
    if (!QFileInfo::exists(path) && year != currentYear) {
        Platform::dialogs().notice(Dialogs::NoticeKind::Error, path + QStringLiteral(" nicht gefunden!"));
        return;
    }
    m_main.loadYear(year, path);
}
