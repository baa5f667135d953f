// The backup history file and its search.
// Input: the history file's bytes (none: no file), a backup target (UTF-8), the text of the viewer as
// saved (UTF-8) and a search term (UTF-8), separated by "\x".
// Properties:
//  - a history line is "dd.MM.yyyy hh:mm:ss | <target>" with every control character of the target
//    (C0, DEL, C1) a blank;
//  - after an append the file reads back as the lines it had plus the new one;
//  - the lines the viewer saves read back as they were saved, in whichever encoding the file is written;
//  - the search finds, in order, every occurrence of the term that does not overlap the one before, with
//    only A to Z compared without case; a blank term is refused.
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "FuzzSandbox.h"
#include "FuzzText.h"
#include "backup/BackupHistory.h"
#include "backup/HistorySearch.h"
#include "platform/TextFile.h"

#include <QDateTime>
#include <QStringList>
#include <algorithm>

namespace {

QStringList readBack(const QString &path)
{
    const std::optional<TextLines> read = TextFile::readLines(path);
    FUZZ_CHECK(read.has_value(), path);
    return read->lines;
}

QChar lowerAscii(QChar c)
{
    return c >= u'A' && c <= u'Z' ? QChar(c.unicode() + 32) : c;
}

bool matchesAt(const QString &text, qsizetype at, const QString &term)
{
    for (qsizetype i = 0; i < term.size(); ++i) {
        if (lowerAscii(text[at + i]) != lowerAscii(term[i]))
            return false;
    }
    return true;
}

QList<qsizetype> occurrences(const QString &text, const QString &term)
{
    QList<qsizetype> found;
    for (qsizetype at = 0; at + term.size() <= text.size(); ++at) {
        if (matchesAt(text, at, term)) {
            found.append(at);
            at += term.size() - 1;
        }
    }
    return found;
}

void checkSearch(const QString &text, const QString &term)
{
    HistorySearch search;
    const bool blank = FuzzText::trimmed(term).isEmpty();
    FUZZ_CHECK(search.setTerm(term) == !blank, FuzzCheck::shown(term));
    if (blank)
        return;
    QList<qsizetype> hits;
    for (auto hit = search.findFirst(text); hit; hit = search.findNext(text)) {
        FUZZ_CHECK(hit->length == term.size(), FuzzCheck::shown(term));
        hits.append(hit->start);
        if (hits.size() > text.size())
            break;
    }
    FUZZ_CHECK(hits == occurrences(text, term),
               FuzzCheck::shown(term) + QStringLiteral(" in ") + FuzzCheck::shown(text));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static FuzzSandbox sandbox;
    const FuzzInput input(data, size);
    const QString folder = sandbox.fresh();
    const QString path = folder + QLatin1String(BackupHistory::kFileName);
    const QByteArray file = input.field(0);
    if (!file.isEmpty())
        sandbox.put(QLatin1String(BackupHistory::kFileName), file);
    const TextLines before = TextFile::decodeLines(file);

    const QString target = input.text(1);
    const QDateTime when(QDate(2024, 3, 5), QTime(14, 7, 31));
    const QString line = BackupHistory::line(when, target);
    FUZZ_CHECK(line == QStringLiteral("05.03.2024 14:07:31 | ") + FuzzText::blanked(target), FuzzCheck::shown(line));

    FUZZ_CHECK(BackupHistory::append(path, line).isEmpty(), path);
    const QStringList appended = readBack(path);
    FUZZ_CHECK(appended == before.lines + QStringList{line},
               QStringLiteral("had ") + FuzzCheck::shown(before.lines) + QStringLiteral("\nreads ")
                   + FuzzCheck::shown(appended));

    const QStringList saved = TextFile::splitLines(input.text(2));
    const TextEncoding current = TextFile::decodeLines(*TextFile::readBytes(path)).encoding;
    FUZZ_CHECK(BackupHistory::write(path, saved, current).isEmpty(), path);
    const QStringList reread = readBack(path);
    FUZZ_CHECK(reread == saved,
               QStringLiteral("saved ") + FuzzCheck::shown(saved) + QStringLiteral("\nreads ")
                   + FuzzCheck::shown(reread));

    checkSearch(before.lines.join(u'\n'), input.text(3));
    return 0;
}
