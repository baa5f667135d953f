// The restore of a backup archive into the data folder of a sandbox.
// Input: entries as name and content, separated by "\x" (name, content, name, content, ...), made into a
// zip archive here. A name is its bytes with control characters as "A", in the archive as UTF-8 when it
// is valid UTF-8 and else as the bytes themselves, which ZIP reads in code page 437; a name ending in "/"
// is a folder entry, one starting with byte 01 a symbolic link to its content. The data folder holds "alt.txt",
// "ordner/f.txt" and the link "weg" to a folder outside it before the restore.
// Properties:
//  - nothing outside the data folder changes: the sandbox around it, the archive and the folder "weg"
//    leads to are compared entry by entry before and after;
//  - a restore that reports failure leaves the data folder exactly as it was;
//  - a restore that reports success put every file entry under exactly its name with exactly its bytes,
//    and no link was made;
//  - an archive in which a file's name is a folder of another entry ("x/y" and "x") is refused;
//  - an archive with a name that is no valid UTF-8 but that libzip takes for UTF-8 (an overlong or
//    surrogate sequence, rule written here) is refused; other names that are not UTF-8 are restored under
//    their code page 437 reading (table here);
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
    explicit SilentView(FuzzDialogs &dialogs)
        : m_dialogs(dialogs)
    {
    }
    void showProgress(int) override { }
    bool takeStopRequest() override { return false; }
    void showFolders(const QString &, const QString &) override { }
    void markSaved(int) override { }
    void unmarkSaved(int, const QString &) override { }
    void showSavedCount(int) override { }
    void dropSavedRows() override { }
    void showTarget(const QString &) override { }
    void clearRows() override { }
    void openFolder(const QString &) override { }
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
    QByteArray name;         // in the archive
    bool unreadable = false; // taken for UTF-8 by libzip, but none
};

bool isUtf8(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes).toUtf8() == bytes;
}

// libzip's test: every byte from 128 on starts a sequence of 2, 3 or 4 bytes by its high bits, followed
// by bytes of the form 10xxxxxx; it checks no further.
bool takenForUtf8(const QByteArray &bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 128)
            continue;
        const int more = (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : (lead & 0xF8) == 0xF0 ? 3 : -1;
        if (more < 0 || i + more >= bytes.size())
            return false;
        for (int j = 1; j <= more; ++j) {
            if ((static_cast<unsigned char>(bytes[i + j]) & 0xC0) != 0x80)
                return false;
        }
        i += more;
    }
    return true;
}

// Code page 437 from byte 127 on (127 as the house sign, as libzip reads it); the bytes below are ASCII
// here, as names hold no control character.
QString codePage437(const QByteArray &bytes)
{
    static const char16_t kHigh[]
        = u"\u00C7\u00FC\u00E9\u00E2\u00E4\u00E0\u00E5\u00E7\u00EA\u00EB\u00E8\u00EF\u00EE\u00EC\u00C4\u00C5"
          u"\u00C9\u00E6\u00C6\u00F4\u00F6\u00F2\u00FB\u00F9\u00FF\u00D6\u00DC\u00A2\u00A3\u00A5\u20A7\u0192"
          u"\u00E1\u00ED\u00F3\u00FA\u00F1\u00D1\u00AA\u00BA\u00BF\u2310\u00AC\u00BD\u00BC\u00A1\u00AB\u00BB"
          u"\u2591\u2592\u2593\u2502\u2524\u2561\u2562\u2556\u2555\u2563\u2551\u2557\u255D\u255C\u255B\u2510"
          u"\u2514\u2534\u252C\u251C\u2500\u253C\u255E\u255F\u255A\u2554\u2569\u2566\u2560\u2550\u256C\u2567"
          u"\u2568\u2564\u2565\u2559\u2558\u2552\u2553\u256B\u256A\u2518\u250C\u2588\u2584\u258C\u2590\u2580"
          u"\u03B1\u00DF\u0393\u03C0\u03A3\u03C3\u00B5\u03C4\u03A6\u0398\u03A9\u03B4\u221E\u03C6\u03B5\u2229"
          u"\u2261\u00B1\u2265\u2264\u2320\u2321\u00F7\u2248\u00B0\u2219\u00B7\u221A\u207F\u00B2\u25A0\u00A0";
    QString text;
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        text.append(code < 127 ? QChar(code) : code == 127 ? QChar(0x2302) : QChar(kHigh[code - 128]));
    }
    return text;
}

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
    if (entry.unreadable)
        return Kind::Unusual;
    const bool overlong
        = std::any_of(parts.cbegin(), parts.cend(), [](const QString &p) { return p.toUtf8().size() > 255; });
    if (entry.link || overlong || parts.contains(QStringLiteral(".")) || name == QLatin1String("tmp.acc")
        || name.size() > 1000)
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
    return top == QLatin1String("weg") || (top == QLatin1String("alt.txt") && (path != top || folderEntry))
        || (path == QLatin1String("ordner") && !folderEntry) || (path == QLatin1String("ordner/f.txt") && folderEntry);
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
        const char *name = value.name.constData();
        const zip_flags_t encoding = isUtf8(value.name) ? ZIP_FL_ENC_UTF_8 : ZIP_FL_ENC_RAW;
        if (key.endsWith(u'/')) {
            FUZZ_CHECK(zip_dir_add(archive, name, encoding) >= 0, key);
            continue;
        }
        zip_source_t *source
            = zip_source_buffer(archive, value.content.constData(), zip_uint64_t(value.content.size()), 0);
        const zip_int64_t index = zip_file_add(archive, name, source, encoding);
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
        const bool link = name.startsWith('\x01');
        if (link)
            name.remove(0, 1);
        for (char &c : name) {
            if (static_cast<unsigned char>(c) < 32)
                c = 'A';
        }
        if (name.isEmpty())
            continue;
        const Entry entry{input.field(i + 1), link, name, !isUtf8(name) && takenForUtf8(name)};
        const QString key = isUtf8(name) || entry.unreadable ? QString::fromUtf8(name) : codePage437(name);
        const auto same
            = std::find_if(entries.begin(), entries.end(), [&key](const auto &e) { return e.first == key; });
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
    const QString archive
        = writeArchive(sandbox.folder(QStringLiteral("sicherung")) + QStringLiteral("rech.zip"), entries);

    bool ordinary = true;
    bool clash = false;
    bool unreadable = false;
    bool conflict = false;
    QStringList names;
    for (const auto &[name, entry] : entries) {
        const bool isOrdinary = kindOf(name, entry) == Kind::Ordinary;
        ordinary = ordinary && isOrdinary;
        clash = clash || clashesWithData(name);
        unreadable = unreadable || entry.unreadable;
        names.append(name);
        for (const auto &[other, otherEntry] : entries) {
            if (isOrdinary && !name.endsWith(u'/') && other.startsWith(name + u'/')
                && kindOf(other, otherEntry) == Kind::Ordinary)
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

    FUZZ_CHECK(outsideAfter == outsideBefore,
               shownNames + u'\n' + FuzzSandbox::difference(outsideBefore, outsideAfter));
    if (!restored) {
        FUZZ_CHECK(dataAfter == dataBefore, shownNames + u'\n' + FuzzSandbox::difference(dataBefore, dataAfter));
        FUZZ_CHECK(!ordinary || conflict || clash,
                   shownNames + QStringLiteral(" not restored: ") + dialogs.notices.join(u'\n'));
        return 0;
    }
    FUZZ_CHECK(!unreadable, shownNames + QStringLiteral(" restored though a name is no valid UTF-8"));
    FUZZ_CHECK(!conflict,
               shownNames + QStringLiteral(" restored though a file name is a folder of another entry:\n")
                   + FuzzSandbox::difference(dataBefore, dataAfter));
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
                       shownNames + QStringLiteral(" restored, but not ") + FuzzCheck::shown(path) + u'\n'
                           + FuzzSandbox::difference(dataBefore, dataAfter));
            expected.insert(path, dataAfter.value(path));
        }
    }
    for (auto it = dataAfter.cbegin(); it != dataAfter.cend(); ++it)
        FUZZ_CHECK(!typeAndContent(it.value()).startsWith("link ") || it.key() == QLatin1String("weg"),
                   shownNames + QStringLiteral(" made a link ") + it.key());
    if (ordinary && !clash)
        FUZZ_CHECK(dataAfter == expected, shownNames + u'\n' + FuzzSandbox::difference(expected, dataAfter));
    return 0;
}
