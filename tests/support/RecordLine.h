#pragma once

#include "register/InvoiceLine.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

// Record lines of a year file as the tests write them, and the bytes of a file of them. No field holds
// the separator or starts with a quote: a line that needs quoting is written out by its test.
class RecordLine {
public:
    using Fields = QList<std::pair<InvoiceLine::Field, QString>>;
    enum class Encoding { Latin1, Utf8WithBom };

    // The fields given; the others stay empty, country and status as after "Neu" unless given.
    static QString of(const Fields &fields);
    // A record named after its title: creditor "Firma <title>", address "post@<title>".
    static QString titled(const QString &title, const QString &due = {},
                          const QString &status = QString(InvoiceLine::kStatusOpen));
    // Titled records "R1" to "R<count>".
    static QStringList numbered(int count);
    // A record named after its creditor: title "T <creditor>", address "post@firma", and the
    // creditor "Schweiz" in CH.
    static QString ofCreditor(const QString &creditor, const QString &due = {},
                              const QString &status = QString(InvoiceLine::kStatusOpen), const QString &amount = {});
    // Every line ended by CR LF. A UTF-8 file starts with its byte order mark; Latin-1 of no lines is
    // a null array, which a start takes for no file at all.
    static QByteArray fileOf(const QStringList &lines, Encoding encoding);
};
