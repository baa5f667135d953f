// The document key and the document list file.
// Input: creditor, invoice number, the path of a document to add (UTF-8) and the bytes of the list file
// already there (none: no file), separated by "\x".
// Properties:
//  - the key is the first six characters of the trimmed creditor, A to Z lower-cased, and the trimmed
//    number, both without blanks and with "/" and "\" as "_"; no character below code 32 is in it, and a
//    key with "/" never stays in the folder;
//  - adding, deleting the first entry and saving change nothing in the data folder but the key's list
//    file, which then reads back as exactly the list in memory; a change that fails changes nothing;
//  - a path with a control character is never added.
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "FuzzSandbox.h"
#include "FuzzText.h"
#include "documents/DocumentKey.h"
#include "documents/DocumentList.h"
#include "platform/TextFile.h"

#include <QStringList>
#include <algorithm>
#include <functional>

namespace {

QString expectedKey(const QString &creditor, const QString &number)
{
    QString lowered = FuzzText::trimmed(creditor);
    for (QChar &c : lowered) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    }
    const QString key = lowered.left(6).remove(u' ') + FuzzText::trimmed(number).remove(u' ');
    return QString(key).replace(u'/', u'_').replace(u'\\', u'_');
}

class ListCheck {
public:
    ListCheck(const QString &dataFolder, const QString &key)
        : m_dataFolder(dataFolder)
        , m_listName(key + QStringLiteral(".dat"))
    {
    }

    void change(DocumentList &list, const QString &what, const std::function<QString()> &act)
    {
        const QMap<QString, QByteArray> before = FuzzSandbox::snapshot(m_dataFolder);
        const QString error = act();
        QMap<QString, QByteArray> after = FuzzSandbox::snapshot(m_dataFolder);
        if (!error.isEmpty()) {
            FUZZ_CHECK(after == before, what + u'\n' + FuzzSandbox::difference(before, after));
            return;
        }
        const std::optional<TextLines> read = TextFile::readLines(list.path());
        FUZZ_CHECK(read && read->lines == list.lines(),
                   what + QStringLiteral(": list ") + FuzzCheck::shown(list.lines()) + QStringLiteral("\nfile ")
                       + FuzzCheck::shown(read ? read->lines : QStringList()));
        QMap<QString, QByteArray> others = after;
        others.remove(m_listName);
        QMap<QString, QByteArray> othersBefore = before;
        othersBefore.remove(m_listName);
        FUZZ_CHECK(others == othersBefore, what + u'\n' + FuzzSandbox::difference(othersBefore, others));
    }

private:
    QString m_dataFolder;
    QString m_listName;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static FuzzSandbox sandbox;
    const FuzzInput input(data, size);
    const QString creditor = input.text(0);
    const QString number = input.text(1);
    const QString documentPath = input.text(2);
    const QByteArray existing = input.field(3);

    const QString key = DocumentKey::of(creditor, number);
    FUZZ_CHECK(!std::any_of(key.cbegin(), key.cend(), [](QChar c) { return c.unicode() < 32; }), FuzzCheck::shown(key));
    if (!FuzzText::hasControl(creditor) && !FuzzText::hasControl(number))
        FUZZ_CHECK(key == expectedKey(creditor, number), FuzzCheck::shown(key));
    if (key.contains(u'/'))
        FUZZ_CHECK(!DocumentKey::staysInFolder(key), FuzzCheck::shown(key));

    const QString root = sandbox.fresh();
    const QString dataFolder = sandbox.folder(QStringLiteral("data"));
    sandbox.put(QStringLiteral("data/2024rech.csv"), "Jahr");
    const bool nameable = DocumentKey::staysInFolder(key) && !key.contains(u'/') && key.toUtf8().size() < 200
        && !std::any_of(key.cbegin(), key.cend(), [](QChar c) { return c.unicode() < 32; });
    if (nameable && !existing.isEmpty())
        sandbox.put(QStringLiteral("data/") + key + QStringLiteral(".dat"), existing);
    const QMap<QString, QByteArray> outside = FuzzSandbox::snapshot(root, QStringLiteral("data/"));

    DocumentList list;
    list.open(dataFolder, key);
    ListCheck check(dataFolder, key);
    check.change(list, QStringLiteral("add"), [&] { return list.add(documentPath); });
    if (std::any_of(documentPath.cbegin(), documentPath.cend(), [](QChar c) { return c.unicode() < 32; }))
        FUZZ_CHECK(!list.lines().contains(documentPath), FuzzCheck::shown(documentPath));
    if (list.lines().size() >= 2)
        check.change(list, QStringLiteral("delete of the first entry"), [&] { return list.remove(0); });
    check.change(list, QStringLiteral("save"), [&] { return list.save(); });
    const QMap<QString, QByteArray> outsideAfter = FuzzSandbox::snapshot(root, QStringLiteral("data/"));
    FUZZ_CHECK(outsideAfter == outside, FuzzSandbox::difference(outside, outsideAfter));
    return 0;
}
