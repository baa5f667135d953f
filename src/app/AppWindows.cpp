#include "app/AppWindows.h"

#include "documents/DocumentKey.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "register/RecordEditor.h"

#include <QAction>
#include <QMenu>

AppWindows::AppWindows()
    : m_docs(m_finfo, &m_main)
    , m_finfo(&m_main)
{
    QObject::connect(m_main.popupMenu().findChild<QAction *>(QStringLiteral("Dokumente1")), &QAction::triggered,
                     &m_main, [this] { Dokumente1Click(); });
}

bool AppWindows::start()
{
    if (!m_main.FormShow(m_login))
        return false;
    m_main.show();
    return true;
}

// The key is taken from the fields as they stand, saved or not.
void AppWindows::Dokumente1Click()
{
    const RecordEditor &editor = m_main.editor();
    m_docs.Unternehmen = DocumentKey::of(editor.fieldText(InvoiceLine::Name), editor.fieldText(InvoiceLine::ReNummer));
    m_docs.DatenPfad = m_main.context().DatenPfad;
    Platform::dialogs().exec(m_docs);
}
