// The restore of a backup archive into the data folder of a sandbox.
// Input: entries as name and content, separated by "\x" (name, content, name, content, ...), made into a
// zip archive here. A name is UTF-8 with control characters as "A"; a name ending in "/" is a folder entry,
// one starting with byte 01 a symbolic link to its content. The data folder holds "alt.txt",
// "ordner/f.txt" and the link "weg" to a folder outside it before the restore.
// Properties:
//  - nothing outside the data folder changes: the sandbox around it, the archive and the folder "weg"
//    leads to are compared entry by entry before and after;
//  - a restore that reports failure leaves the data folder exactly as it was;
//  - a restore that reports success put every file entry under exactly its name with exactly its bytes,
//    and no link was made;
//  - an archive in which a file's name is a folder of another entry ("x/y" and "x") is refused;
//  - an archive of ordinary names (none absolute, no "." or ".." or empty part, no link, no name of the
//    data folder of another type) is restored, and afterwards the data folder holds exactly the files
//    it held plus the entries, with the folders above them (a folder entry may be left out, and with it
//    the folders above it that no file entry needs).
#include "FuzzCheck.h"
#include "FuzzDialogs.h"
#include "FuzzInput.h"
#include "FuzzSandbox.h"
#include "backup/RestoreRun.h"
#include "backup/RunView.h"

#include <QFile>
#include <QMap>
#include <QStringList>
#include <algorithm>
#include <sys/stat.h>
#include <zip.h>

namespace {

// Answers as a user who goes on: every question "Ja", the fuzzed archive chosen; texts are kept for
// the failure report.
class SilentView final : public RunView {
public:
    explicit SilentView(FuzzDialogs &dialogs) : m_dialogs(dialogs) {}
    void showProgress(int) override {}
    bool takeStopRequest() override { return false; }
    void showFolders(const QString &, const QString &) override {}
    void markSaved(int) override {}
    void showSavedCount(int) override {}
    void dropSavedRows() override {}
    void showTarget(const QString &) override {}
    void clearRows() override {}
    void openFolder(const QString &) override {}
    void showError(const QString &text) override { m_dialogs.notices.append(text); }
    void showInformation(const QString &text) override { m_dialogs.notices.append(text); }
    bool confirm(const QString &) override { return true; }
    std::optional<QString> askArchiveName(const QString &preset) override { return preset; }
    bool confirmRestore() override { return true; }
    QStringList chooseBackupFiles(const QString &) override { return m_dialogs.chosenFiles; }

private:
    FuzzDialogs &m_dialogs;
};

struct Entry {
    QByteArray content;
    bool link = false;
};

enum class Kind { Ordinary, Refused, Unusual };

// How the name reads under the rule of the archive: refused for a leading "/" or a ".." or empty part;
// unusual ("." parts, links, overlong parts, the restore's own temporary file) where the rule leaves
// the outcome open.
Kind kindOf(const QString &name, const Entry &entry)
{
    const bool folder = name.endsWith(u'/');
    const QStringList parts = (folder ? name.chopped(1) : name).split(u'/');
    if (name.startsWith(u'/') || parts.contains(QStringLiteral("..")) || parts.contains(QString()))
        return Kind::Refused;
    const bool overlong = std::any_of(parts.cbegin(), parts.cend(), [](const QString &p) { return p.toUtf8().size() > 255; });
    if (entry.link || overlong || parts.contains(QStringLiteral(".")) || name == QLatin1String("tmp.acc") || name.size() > 1000)
        return Kind::Unusual;
    return Kind::Ordinary;
}

QString pathOf(const QString &name)
{
    return name.endsWith(u'/') ? name.chopped(1) : name;
}

// The folders above a path, "a" and "a/b" for "a/b/c".
QStringList foldersAbove(const QString &path)
{
    QStringList folders;
    for (qsizetype slash = path.indexOf(u'/'); slash >= 0; slash = path.indexOf(u'/', slash + 1))
        folders.append(path.left(slash));
    return folders;
}

// Whether the entry meets what the data folder holds in a way the restore may refuse: a file where a
// folder is or the other way round, or a path through the link "weg".
bool clashesWithData(const QString &name)
{
    const QString path = pathOf(name);
    const bool folderEntry = name.endsWith(u'/');
    const QString top = path.section(u'/', 0, 0);
    return top == QLatin1String("weg") || (top == QLatin1String("alt.txt") && (path != top || folderEntry)) ||
        (path == QLatin1String("ordner") && !folderEntry) || (path == QLatin1String("ordner/f.txt") && folderEntry);
}

// What a snapshot says an entry is, without its permissions.
QByteArray typeAndContent(const QByteArray &snapshotValue)
{
    return snapshotValue.mid(snapshotValue.indexOf(' ') + 1);
}

using Entries = QList<std::pair<QString, Entry>>;

QString writeArchive(const QString &path, const Entries &entries)
{
    int error = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    FUZZ_CHECK(archive, path);
    for (const auto &[key, value] : entries) {
        const QByteArray name = key.toUtf8();
        if (key.endsWith(u'/')) {
            FUZZ_CHECK(zip_dir_add(archive, name.constData(), ZIP_FL_ENC_UTF_8) >= 0, key);
            continue;
        }
        zip_source_t *source = zip_source_buffer(archive, value.content.constData(), zip_uint64_t(value.content.size()), 0);
        const zip_int64_t index = zip_file_add(archive, name.constData(), source, ZIP_FL_ENC_UTF_8);
        FUZZ_CHECK(index >= 0, key);
        if (value.link)
            zip_file_set_external_attributes(archive, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX, (S_IFLNK | 0777u) << 16);
    }
    FUZZ_CHECK(zip_close(archive) == 0, path);
    return path;
}

// In the order of the input; a name given again replaces the entry's content in its place.
Entries entriesOf(const FuzzInput &input)
{
    Entries entries;
    for (qsizetype i = 0; i + 1 < input.fieldCount(); i += 2) {
        QByteArray name = input.field(i);
        Entry entry{input.field(i + 1), name.startsWith('\x01')};
        if (entry.link)
            name.remove(0, 1);
        for (char &c : name) {
            if (static_cast<unsigned char>(c) < 32)
                c = 'A';
        }
        if (name.isEmpty())
            continue;
        const QString key = QString::fromUtf8(name);
        const auto same = std::find_if(entries.begin(), entries.end(), [&key](const auto &e) { return e.first == key; });
        if (same == entries.end())
            entries.append({key, entry});
        else
            same->second = entry;
    }
    return entries;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static FuzzSandbox sandbox;
    const FuzzInput input(data, size);
    const Entries entries = entriesOf(input);
    if (entries.isEmpty())
        return 0;

    const QString root = sandbox.fresh();
    const QString dataFolder = sandbox.folder(QStringLiteral("data"));
    sandbox.put(QStringLiteral("data/alt.txt"), "alt");
    sandbox.put(QStringLiteral("data/ordner/f.txt"), "f");
    sandbox.put(QStringLiteral("draussen/bleibt.txt"), "bleibt");
    FUZZ_CHECK(QFile::link(root + QStringLiteral("draussen"), dataFolder + QStringLiteral("weg")), root);
    const QString archive = writeArchive(sandbox.folder(QStringLiteral("sicherung")) + QStringLiteral("rech.zip"), entries);

    bool ordinary = true;
    bool clash = false;
    bool conflict = false;
    QStringList names;
    for (const auto &[name, entry] : entries) {
        const bool isOrdinary = kindOf(name, entry) == Kind::Ordinary;
        ordinary = ordinary && isOrdinary;
        clash = clash || clashesWithData(name);
        names.append(name);
        for (const auto &[other, otherEntry] : entries) {
            if (isOrdinary && !name.endsWith(u'/') && other.startsWith(name + u'/') && kindOf(other, otherEntry) == Kind::Ordinary)
                conflict = true;
        }
    }

    const QMap<QString, QByteArray> outsideBefore = FuzzSandbox::snapshot(root, QStringLiteral("data/"));
    const QMap<QString, QByteArray> dataBefore = FuzzSandbox::snapshot(dataFolder);
    FuzzDialogs dialogs;
    dialogs.chosenFiles = {archive};
    SilentView view(dialogs);
    const bool restored = RestoreRun::run(dataFolder, root + QStringLiteral("sicherung"), view).restored;
    const QMap<QString, QByteArray> outsideAfter = FuzzSandbox::snapshot(root, QStringLiteral("data/"));
    const QMap<QString, QByteArray> dataAfter = FuzzSandbox::snapshot(dataFolder);
    const QString shownNames = FuzzCheck::shown(names);

    FUZZ_CHECK(outsideAfter == outsideBefore, shownNames + u'\n' + FuzzSandbox::difference(outsideBefore, outsideAfter));
    if (!restored) {
        FUZZ_CHECK(dataAfter == dataBefore, shownNames + u'\n' + FuzzSandbox::difference(dataBefore, dataAfter));
        FUZZ_CHECK(!ordinary || conflict || clash, shownNames + QStringLiteral(" not restored: ") + dialogs.notices.join(u'\n'));
        return 0;
    }
    FUZZ_CHECK(!conflict, shownNames + QStringLiteral(" restored though a file name is a folder of another entry:\n") +
                              FuzzSandbox::difference(dataBefore, dataAfter));
    QMap<QString, QByteArray> expected = dataBefore;
    for (const auto &[name, entry] : entries) {
        if (kindOf(name, entry) != Kind::Ordinary || clashesWithData(name))
            continue;
        const QString path = pathOf(name);
        const bool folderEntry = name.endsWith(u'/');
        // An empty folder may come back or not, and so may the folders above it: our backups hold files only.
        QStringList folders = foldersAbove(path);
        if (folderEntry)
            folders.append(path);
        for (const QString &folder : folders) {
            if (!expected.contains(folder) && (!folderEntry || dataAfter.contains(folder)))
                expected.insert(folder, dataAfter.value(folder));
        }
        if (!folderEntry) {
            FUZZ_CHECK(typeAndContent(dataAfter.value(path)) == "file " + entry.content,
                       shownNames + QStringLiteral(" restored, but not ") + FuzzCheck::shown(path) + u'\n' +
                           FuzzSandbox::difference(dataBefore, dataAfter));
            expected.insert(path, dataAfter.value(path));
        }
    }
    for (auto it = dataAfter.cbegin(); it != dataAfter.cend(); ++it)
        FUZZ_CHECK(!typeAndContent(it.value()).startsWith("link ") || it.key() == QLatin1String("weg"), shownNames + QStringLiteral(" made a link ") + it.key());
    if (ordinary && !clash)
        FUZZ_CHECK(dataAfter == expected, shownNames + u'\n' + FuzzSandbox::difference(expected, dataAfter));
    return 0;
}
