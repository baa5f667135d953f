#include "register/DueDate.h"

#include "platform/Regional.h"
#include "platform/TextTrim.h"
#include "register/InvoiceLine.h"

#include <optional>

namespace {

std::optional<int> readWholeDays(const QString &text)
{
    bool ok = false;
    const int days = text.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return days;
}

} // namespace

std::variant<QDate, DueDate::Error> DueDate::compute(const QString &invoiceDate, const QString &term,
                                                     const QDate &today)
{
    const QDate date = Regional::readDate(invoiceDate, today);
    if (!date.isValid())
        return Error::InvoiceDate;
    const std::optional<int> days = readWholeDays(TextTrim::trimmed(term));
    if (!days)
        return Error::Term;
    // A date outside these years would be written in a form that never reads back as a date.
    const QDate due = date.addDays(*days);
    if (due < QDate(1900, 1, 1) || due > QDate(9999, 12, 31))
        return Error::Term;
    return due;
}

QString DueDate::messageFor(Error error)
{
    if (error == Error::InvoiceDate)
        return QStringLiteral("Konvertierungsfehler! Überprüfen Sie das Rechnungsdatum.");
    return QStringLiteral("Konvertierungsfehler! Überprüfen Sie die Fristangabe (Ganzzahl).");
}

bool DueDate::isOverdue(const QDate &dueDate, const QString &status, const QDate &today)
{
    return dueDate.isValid() && dueDate > QDate(1899, 12, 30) && dueDate < today && status == InvoiceLine::kStatusOpen;
}
