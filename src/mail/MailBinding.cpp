#include "mail/MailBinding.h"

#include "mail/MailHandOff.h"
#include "platform/Dialogs.h"
#include "platform/FailureNotice.h"
#include "platform/Platform.h"
#include "register/RecordEditor.h"

#include <QEvent>
#include <QLineEdit>

MailBinding::MailBinding(RecordEditor &editor, const QString &mailProgram)
    : QObject(&editor)
    , m_editor(editor)
    , m_mailProgram(mailProgram)
{
    editor.field(InvoiceLine::Email).installEventFilter(this);
}

void MailBinding::Mailsenden1Click()
{
    FailureNotice::show(MailHandOff::send(m_mailProgram, m_editor.field(InvoiceLine::Email).text(),
                                          m_editor.field(InvoiceLine::ReNummer).text()));
}

// The text stays as typed and the focus goes on: saving is not blocked by the warning.
void MailBinding::EditEmailExit()
{
    if (!MailHandOff::isPlausibleAddress(m_editor.field(InvoiceLine::Email).text()))
        Platform::dialogs().notice(Dialogs::NoticeKind::Warning,
                                   QStringLiteral("Ungültige E-Mail! Überprüfen Sie die Angabe."));
}

bool MailBinding::eventFilter(QObject *watched, QEvent *event)
{
    // A field being destroyed is a plain widget by now; its last focus change is no user's.
    if (event->type() == QEvent::FocusOut && qobject_cast<QLineEdit *>(watched)
        && RecordEditor::isFieldFocusChange(event))
        EditEmailExit();
    return QObject::eventFilter(watched, event);
}
