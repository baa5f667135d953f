#include "register/InvoiceLine.h"

namespace {

constexpr QChar kSeparator = QLatin1Char(';');
constexpr QChar kQuote = QLatin1Char('"');

// Reads the quoted field that starts at pos (on its opening quote); pos ends after the closing quote.
QString readQuoted(QStringView line, qsizetype &pos)
{
    QString field;
    ++pos;
    while (pos < line.size()) {
        const QChar c = line[pos++];
        if (c != kQuote) {
            field.append(c);
            continue;
        }
        if (pos < line.size() && line[pos] == kQuote) {
            field.append(kQuote);
            ++pos;
            continue;
        }
        break;
    }
    return field;
}

QString readPlain(QStringView line, qsizetype &pos)
{
    qsizetype end = line.indexOf(kSeparator, pos);
    if (end < 0)
        end = line.size();
    const QString field = line.sliced(pos, end - pos).toString();
    pos = end;
    return field;
}

} // namespace

QStringList InvoiceLine::split(QStringView line)
{
    QStringList fields;
    qsizetype pos = 0;
    while (pos < line.size()) {
        fields.append(line[pos] == kQuote ? readQuoted(line, pos) : readPlain(line, pos));
        if (pos < line.size() && line[pos] == kSeparator) {
            ++pos;
            if (pos == line.size())
                fields.append(QString());
        }
    }
    return fields;
}

QString InvoiceLine::quoteIfNeeded(const QString &field)
{
    if (!field.contains(kSeparator) && !field.startsWith(kQuote))
        return field;
    QString quoted = field;
    quoted.replace(kQuote, QStringLiteral("\"\""));
    return kQuote + quoted + kQuote;
}

QString InvoiceLine::join(const QStringList &fields)
{
    QStringList written;
    written.reserve(fields.size());
    for (const QString &field : fields)
        written.append(quoteIfNeeded(field));
    return written.join(kSeparator);
}

QString InvoiceLine::labelOf(Field field)
{
    static const char *const kLabels[kFieldCount] = {
        "Titel",
        "Rechnungsdatum",
        "Rechnungsbetrag",
        "Zahlungsfrist",
        "Zahlungstermin",
        "Rechnungsnummer",
        "Artikel/Dienstleistung",
        "Gläubiger",
        "Email",
        "Webseite",
        "Plz",
        "Ort",
        "Strasse",
        "Land",
        "Tel",
        "Fax",
        "IBAN",
        "BIC",
        "Kundennummer",
        "Hausnr.",
        "Status",
    };
    return QString::fromUtf8(kLabels[field]);
}
