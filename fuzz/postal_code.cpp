// The postal code search in plz.dat.
// Input: the file's bytes (read as the program reads it) and the search term (UTF-8), separated by "\x".
// Properties, against a search line by line at every position:
//  - a blank term searches nothing;
//  - the entries found are the lines (split at every CR and every LF) that hold the term as a whole word
//    (no letter or digit right before or after it), letters compared case-folded, each line once, in file
//    order;
//  - without a hit: the not-found message, and the town of the first line that starts with the term's
//    first two characters as a second entry when there is one;
//  - a double-click takes the first five characters as the code and the trimmed rest as the town.
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "FuzzText.h"
#include "platform/TextFile.h"
#include "tools/PostalCodeSearch.h"

#include <QStringList>

namespace {

QChar foldedChar(QChar c)
{
    if (c.unicode() < 0x80)
        return c >= u'A' && c <= u'Z' ? QChar(c.unicode() + 32) : c;
    return c.toCaseFolded();
}

QString folded(const QString &text)
{
    QString result;
    for (const QChar c : text)
        result.append(foldedChar(c));
    return result;
}

bool isWord(QChar c)
{
    return c.isLetter() || c.isDigit();
}

bool holdsWholeWord(const QString &line, const QString &needle)
{
    const QString haystack = folded(line);
    for (qsizetype at = 0; at + needle.size() <= haystack.size(); ++at) {
        if (QStringView(haystack).sliced(at, needle.size()) != needle)
            continue;
        const bool startsWord = at == 0 || !isWord(haystack[at - 1]);
        const bool endsWord = at + needle.size() == haystack.size() || !isWord(haystack[at + needle.size()]);
        if (startsWord && endsWord)
            return true;
    }
    return false;
}

QStringList linesOf(const QString &text)
{
    QStringList lines{QString()};
    for (const QChar c : text) {
        if (c == u'\r' || c == u'\n')
            lines.append(QString());
        else
            lines.last().append(c);
    }
    return lines;
}

QStringList expectedEntries(const QStringList &lines, const QString &term)
{
    QStringList found;
    for (const QString &line : lines) {
        if (holdsWholeWord(line, folded(term)))
            found.append(line);
    }
    if (!found.isEmpty())
        return found;
    const QString message = QStringLiteral("Plz ") + term + QStringLiteral(" nicht gefunden!");
    for (const QString &line : lines) {
        if (term.size() >= 2 && line.startsWith(term.left(2)) && !FuzzText::trimmed(line.mid(5)).isEmpty())
            return {message + QStringLiteral(" Mglw. Postfachadresse in:"), FuzzText::trimmed(line.mid(5))};
        if (term.size() >= 2 && line.startsWith(term.left(2)))
            break;
    }
    return {message};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const FuzzInput input(data, size);
    const QString text = TextFile::decodeText(input.field(0));
    const QString term = input.text(1);
    PostalCodeSearch search;
    search.setText(text);
    const std::optional<PostalCodeSearch::Result> result = search.search(term);
    FUZZ_CHECK(result.has_value() == !FuzzText::trimmed(term).isEmpty(), FuzzCheck::shown(term));
    // A term is typed into one line; one holding a line break has no line of its own to be found in.
    if (!result || term.contains(u'\r') || term.contains(u'\n'))
        return 0;
    const QStringList expected = expectedEntries(linesOf(text), term);
    FUZZ_CHECK(result->entries == expected,
               FuzzCheck::shown(term) + QStringLiteral("\nfound    ") + FuzzCheck::shown(result->entries)
                   + QStringLiteral("\nexpected ") + FuzzCheck::shown(expected));
    for (qsizetype i = 0; i < result->entries.size(); ++i) {
        const QString &entry = result->entries[i];
        const PostalCodeSearch::TakeOver taken = PostalCodeSearch::takeOver(*result, i);
        if (result->found && !FuzzText::trimmed(entry).isEmpty())
            FUZZ_CHECK(taken.postalCode == entry.left(5) && taken.town == FuzzText::trimmed(entry.mid(5)),
                       FuzzCheck::shown(entry));
        else if (!result->found && i == 1)
            FUZZ_CHECK(!taken.postalCode && taken.town == entry, FuzzCheck::shown(entry));
        else
            FUZZ_CHECK(taken.takesNothing(), FuzzCheck::shown(entry));
    }
    return 0;
}
