#include "payments/PaymentQrCommand.h"

#include "payments/EpcPayload.h"
#include "payments/Iban.h"
#include "payments/TFormQR.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/TextTrim.h"
#include "register/RecordEditor.h"

namespace {

// A line break inside a value would shift every payload line after it.
QString valueOf(const RecordEditor &editor, InvoiceLine::Field field)
{
    return TextTrim::storedValue(editor.fieldText(field));
}

bool isComplete(const EpcPayload::Fields &fields)
{
    for (const QString *required : {&fields.Iban, &fields.Bic, &fields.Firma, &fields.RechNr, &fields.Betrag}) {
        if (required->isEmpty())
            return false;
    }
    return true;
}

} // namespace

void PaymentQrCommand::run(const RecordEditor &editor, const QString &dataFolder, TFormQR &form)
{
    form.DatenPfad = dataFolder;
    const EpcPayload::Fields fields{
        valueOf(editor, InvoiceLine::Bic),
        valueOf(editor, InvoiceLine::Name),
        Iban::forPayment(valueOf(editor, InvoiceLine::Iban)),
        valueOf(editor, InvoiceLine::Preis),
        valueOf(editor, InvoiceLine::ReNummer),
        valueOf(editor, InvoiceLine::KNum),
    };
    Dialogs &dialogs = Platform::dialogs();
    if (!isComplete(fields)) {
        dialogs.captionedMessage(QStringLiteral("zettmar"),
                                 QStringLiteral("Unvollständige Rechnungsdaten. QR-Code kann nicht erstellt werden!"),
                                 Dialogs::Icon::Error);
        dialogs.plainMessage(QStringLiteral("IBAN, BIC, Unternehmen, Rechnungsnr. und Betrag erforderlich!"));
        return;
    }
    if (const QString problem = EpcPayload::problem(fields); !problem.isEmpty()) {
        dialogs.notice(Dialogs::NoticeKind::Error, problem);
        return;
    }
    form.Payment = fields;
    dialogs.exec(form);
}
