#include "tools/PostalCodeSearch.h"

#include "platform/TextTrim.h"

namespace {

constexpr qsizetype kCodeLength = 5;
constexpr qsizetype kRegionLength = 2;

// One UTF-16 unit for one, so a position in the folded text is the same position in the original.
QString folded(QStringView text)
{
    QString result(text.size(), Qt::Uninitialized);
    QChar *out = result.data();
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit < 0x80)
            *out++ = QChar(unit >= u'A' && unit <= u'Z' ? unit + 32 : unit);
        else
            *out++ = c.toCaseFolded();
    }
    return result;
}

bool isWordCharacter(QChar c)
{
    return c.isLetter() || c.isDigit();
}

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r';
}

bool startsWord(QStringView text, qsizetype position)
{
    return position == 0 || !isWordCharacter(text[position - 1]);
}

bool endsWord(QStringView text, qsizetype end)
{
    return end == text.size() || !isWordCharacter(text[end]);
}

qsizetype lineStart(QStringView text, qsizetype position)
{
    while (position > 0 && !isLineBreak(text[position - 1]))
        --position;
    return position;
}

qsizetype lineEnd(QStringView text, qsizetype position)
{
    while (position < text.size() && !isLineBreak(text[position]))
        ++position;
    return position;
}

QString townOf(QStringView line)
{
    return TextTrim::trimmed(line.mid(kCodeLength));
}

QString notFoundMessage(const QString &term)
{
    return QStringLiteral("Plz ") + term + QStringLiteral(" nicht gefunden!");
}

} // namespace

void PostalCodeSearch::setText(QString text)
{
    m_folded = folded(text);
    m_text = std::move(text);
}

std::optional<PostalCodeSearch::Result> PostalCodeSearch::search(const QString &term) const
{
    if (TextTrim::trimmed(term).isEmpty())
        return std::nullopt;
    Result result;
    result.entries = wholeWordLines(term);
    result.found = !result.entries.isEmpty();
    if (result.found)
        return result;
    const QString town = suggestedTown(QStringView(term).left(kRegionLength));
    if (town.isEmpty()) {
        result.entries = {notFoundMessage(term)};
        return result;
    }
    // The town stands on its own, so a double-click can take it by itself however the list wraps.
    result.entries = {notFoundMessage(term) + QStringLiteral(" Mglw. Postfachadresse in:"), town};
    return result;
}

PostalCodeSearch::TakeOver PostalCodeSearch::takeOver(const Result &result, qsizetype entry)
{
    if (entry < 0 || entry >= result.entries.size())
        return {};
    const QString &text = result.entries[entry];
    if (result.found) {
        if (TextTrim::trimmed(text).isEmpty())
            return {};
        return {text.left(kCodeLength), townOf(text)};
    }
    if (result.hasSuggestion() && entry == 1)
        return {std::nullopt, text};
    return {};
}

// Each matching line once, even when the term occurs in it twice; the search goes on after the line.
QStringList PostalCodeSearch::wholeWordLines(const QString &term) const
{
    QStringList lines;
    const QString needle = folded(term);
    qsizetype from = 0;
    while (from < m_folded.size()) {
        const qsizetype hit = m_folded.indexOf(needle, from);
        if (hit < 0)
            break;
        if (startsWord(m_folded, hit) && endsWord(m_folded, hit + needle.size())) {
            lines.append(lineAt(hit));
            from = lineEnd(m_text, hit + needle.size());
        } else {
            from = hit + 1;
        }
    }
    return lines;
}

// The first line in file order whose first two characters are the region, exactly.
QString PostalCodeSearch::suggestedTown(QStringView region) const
{
    if (region.size() < kRegionLength)
        return {};
    for (qsizetype hit = m_text.indexOf(region); hit >= 0; hit = m_text.indexOf(region, hit + 1)) {
        if (lineStart(m_text, hit) == hit)
            return townOf(lineAt(hit));
    }
    return {};
}

QString PostalCodeSearch::lineAt(qsizetype position) const
{
    const qsizetype start = lineStart(m_text, position);
    return m_text.mid(start, lineEnd(m_text, position) - start);
}
