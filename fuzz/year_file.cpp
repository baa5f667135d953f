// The year file and its record lines.
// Input: the bytes of a year file, then the 21 fields of a record (UTF-8), all separated by "\x".
// Properties:
//  - splitting a line, joining its fields and splitting again gives the same fields (but for the one
//    empty field of a lone quote, which joins to an empty line), and the fields of a record joined into
//    a line split back into the same fields;
//  - after every change the record list makes (delete the first record, store a new one, store over the
//    first), the file reads back as exactly the list in memory, and a fresh load sees the same;
//  - a stored line holds each field with its control characters (C0, DEL, C1) as blanks and then trimmed
//    (so a control character at either end is gone), and no control character at all.
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "FuzzSandbox.h"
#include "FuzzText.h"
#include "platform/TextFile.h"
#include "platform/TextTrim.h"
#include "register/InvoiceLine.h"
#include "register/RecordSession.h"

#include <algorithm>

namespace {

void checkFileHoldsList(const RecordSession &session, const char *change)
{
    const std::optional<TextLines> read = TextFile::readLines(session.path());
    FUZZ_CHECK(read && read->lines == session.lines(),
               QLatin1String(change) + QStringLiteral(": list ") + FuzzCheck::shown(session.lines())
                   + QStringLiteral("\nfile ") + FuzzCheck::shown(read ? read->lines : QStringList()));
    RecordSession fresh;
    fresh.setPath(session.path());
    FUZZ_CHECK(fresh.load().done() && fresh.lines() == session.lines(), QLatin1String(change));
}

void checkStored(RecordSession &session, const QStringList &fields, const char *change)
{
    const RecordSession::Result result = session.store(fields);
    if (!result.done())
        return;
    checkFileHoldsList(session, change);
    const QString line = session.lines().at(session.currentIndex());
    QStringList expected;
    for (const QString &field : fields)
        expected.append(FuzzText::trimmed(FuzzText::blanked(field)));
    FUZZ_CHECK(InvoiceLine::split(line) == expected, FuzzCheck::shown(line));
    FUZZ_CHECK(std::none_of(line.cbegin(), line.cend(), FuzzText::isControl), FuzzCheck::shown(line));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static FuzzSandbox sandbox;
    const FuzzInput input(data, size);
    const QByteArray file = input.field(0);
    QStringList fields;
    for (int i = 0; i < InvoiceLine::kFieldCount; ++i)
        fields.append(input.text(i + 1));

    for (const QString &line : TextFile::decodeLines(file).lines) {
        const QStringList split = InvoiceLine::split(line);
        // An empty line has no field; a line of one empty field (a lone quote) joins to just that.
        if (split != QStringList{QString()})
            FUZZ_CHECK(InvoiceLine::split(InvoiceLine::join(split)) == split, FuzzCheck::shown(line));
    }
    FUZZ_CHECK(InvoiceLine::split(InvoiceLine::join(fields)) == fields, FuzzCheck::shown(fields));

    sandbox.fresh();
    RecordSession session;
    session.setPath(sandbox.put(QStringLiteral("2024rech.csv"), file));
    FUZZ_CHECK(session.load().done(), session.path());
    if (session.count() > 0) {
        session.moveTo(0);
        FUZZ_CHECK(session.removeCurrent().done(), session.path());
        checkFileHoldsList(session, "delete of the first record");
    }
    QStringList trimmed;
    for (const QString &field : fields)
        trimmed.append(TextTrim::trimmed(field));
    session.startNew();
    checkStored(session, trimmed, "new record");
    session.moveTo(0);
    std::reverse(trimmed.begin(), trimmed.end());
    checkStored(session, trimmed, "record stored over the first");
    return 0;
}
