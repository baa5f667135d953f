#pragma once

#include <QString>
#include <QStringList>

// One record line of the yearly invoice file: 21 fields separated by ";".
class InvoiceLine {
public:
    // Field positions in the line, named after the editor fields that show them.
    enum Field : int {
        Title,
        ReDatum,
        Preis,
        Frist,
        Ende,
        ReNummer,
        Artikel,
        Name,
        Email,
        Web,
        Plz,
        City,
        Strasse,
        Land,
        Tel,
        Fax,
        Iban,
        Bic,
        KNum,
        HNr,
        Status
    };
    static constexpr int kFieldCount = 21;
    // The two values of the status field.
    static constexpr QLatin1StringView kStatusOpen{"Offen"};
    static constexpr QLatin1StringView kStatusPaid{"Bezahlt"};
    // A line taken out of the record list for use is cut to this many characters.
    static constexpr qsizetype kMaxUsedLength = 4096;

    // The label the main window shows beside the field, for messages about it.
    static QString labelOf(Field field);
    // Fields in file order; a double quote at a field's start opens a quoted field.
    static QStringList split(QStringView line);
    // Joins the fields in file order, quoting those that would not read back as written.
    static QString join(const QStringList &fields);
    static QString quoteIfNeeded(const QString &field);
};
