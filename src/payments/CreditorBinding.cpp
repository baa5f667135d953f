#include "payments/CreditorBinding.h"

#include "payments/CreditorData.h"
#include "payments/Iban.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/FailureNotice.h"
#include "platform/Platform.h"
#include "platform/TextTrim.h"
#include "platform/WebAddress.h"
#include "register/RecordEditor.h"

#include <QLineEdit>

CreditorBinding::CreditorBinding(RecordEditor &editor)
    : QObject(&editor)
    , m_editor(editor)
{
    connect(&editor.field(InvoiceLine::Iban), &QLineEdit::textChanged, this, &CreditorBinding::EditIbanChange);
}

void CreditorBinding::ButtonCopyBClick()
{
    if (m_editor.fieldText(InvoiceLine::Name).isEmpty()) {
        Platform::dialogs().notice(Dialogs::NoticeKind::Error, QStringLiteral("Fehler! Gläubigerdaten unvollständig."));
        return;
    }
    if (Platform::dialogs().question(
            QStringLiteral("Gesamte Gläubigerdaten intern kopieren? NEIN = Name in Zwischenablage kopieren."))) {
        QStringList texts;
        for (const InvoiceLine::Field field : CreditorData::kFields)
            texts.append(m_editor.fieldText(field));
        m_held = texts;
        Platform::dialogs().notice(Dialogs::NoticeKind::Information,
                                   QStringLiteral("Gesamte Gläubigerdaten zur internen Verwendung kopiert."));
        return;
    }
    QLineEdit &name = m_editor.field(InvoiceLine::Name);
    name.selectAll();
    Platform::clipboard().setText(name.text());
    Platform::dialogs().plainMessage(QStringLiteral("Name kopiert."));
}

// A take-over like typing: moving on afterwards asks to save it.
void CreditorBinding::ButtonPasteBClick()
{
    if (m_held)
        pasteHeld(*m_held);
    else
        pasteClipboardIntoName();
    if (m_editor.fieldText(InvoiceLine::Name).isEmpty())
        Platform::dialogs().notice(Dialogs::NoticeKind::Warning,
                                   QStringLiteral("Leerer Datensatz! Gläubigerdaten aus vorhandenen "
                                                  "Rechnungsdaten kopieren."));
}

void CreditorBinding::pasteHeld(const QStringList &texts)
{
    for (qsizetype i = 0; i < texts.size(); ++i)
        m_editor.takeOver(CreditorData::kFields[i], TextTrim::blankControls(texts[i]));
}

// A multi-line address from the clipboard must stay one line of the name.
void CreditorBinding::pasteClipboardIntoName()
{
    const QString text = TextTrim::blankControls(Platform::clipboard().text());
    // An empty insert still reports an edit; nothing was taken over.
    if (!text.isEmpty())
        m_editor.field(InvoiceLine::Name).insert(text);
}

void CreditorBinding::SpeedButton1Click()
{
    FailureNotice::show(WebAddress::open(m_editor.field(InvoiceLine::Web).text()));
}

void CreditorBinding::EditIbanChange()
{
    QLineEdit &iban = m_editor.field(InvoiceLine::Iban);
    const QString grouped = Iban::grouped(iban.text());
    // Writing only a changed text keeps the change signal from appending again.
    if (grouped != iban.text())
        iban.setText(grouped);
    iban.setCursorPosition(static_cast<int>(iban.text().size()));
}
