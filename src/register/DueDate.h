#pragma once

#include <QDate>
#include <QString>
#include <variant>

// The due date from the invoice date and the payment term in days.
class DueDate {
public:
    enum class Error { InvoiceDate, Term };

    static std::variant<QDate, Error> compute(const QString &invoiceDate, const QString &term, const QDate &today);
    static QString messageFor(Error error);
    // Dark red in the editor: a date past 30.12.1899 and before today on an invoice still "Offen".
    static bool isOverdue(const QDate &dueDate, const QString &status, const QDate &today);
};
