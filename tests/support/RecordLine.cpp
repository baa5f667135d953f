#include "RecordLine.h"

#include <QtGlobal>

QString RecordLine::of(const Fields &fields)
{
    QStringList line(InvoiceLine::kFieldCount);
    line[InvoiceLine::Land] = QStringLiteral("DE");
    line[InvoiceLine::Status] = InvoiceLine::kStatusOpen;
    for (const auto &[field, text] : fields) {
        if (InvoiceLine::quoteIfNeeded(text) != text)
            qFatal("the record field \"%s\" needs quoting: write its line out in the test", qPrintable(text));
        line[field] = text;
    }
    return line.join(QLatin1Char(';'));
}

QString RecordLine::titled(const QString &title, const QString &due, const QString &status)
{
    return of({{InvoiceLine::Title, title},
               {InvoiceLine::Ende, due},
               {InvoiceLine::Name, QStringLiteral("Firma ") + title},
               {InvoiceLine::Email, QStringLiteral("post@") + title},
               {InvoiceLine::Status, status}});
}

QStringList RecordLine::numbered(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines.append(titled(QStringLiteral("R%1").arg(i)));
    return lines;
}

QString RecordLine::ofCreditor(const QString &creditor, const QString &due, const QString &status,
                               const QString &amount)
{
    return of({{InvoiceLine::Title, QStringLiteral("T ") + creditor},
               {InvoiceLine::Preis, amount},
               {InvoiceLine::Ende, due},
               {InvoiceLine::Name, creditor},
               {InvoiceLine::Email, QStringLiteral("post@firma")},
               {InvoiceLine::Land, creditor == QStringLiteral("Schweiz") ? QStringLiteral("CH") : QStringLiteral("DE")},
               {InvoiceLine::Status, status}});
}

QByteArray RecordLine::fileOf(const QStringList &lines, Encoding encoding)
{
    QByteArray bytes = encoding == Encoding::Utf8WithBom ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    for (const QString &line : lines)
        bytes += (encoding == Encoding::Utf8WithBom ? line.toUtf8() : line.toLatin1()) + "\r\n";
    return bytes;
}
