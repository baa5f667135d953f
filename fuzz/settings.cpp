// The settings cipher and the settings file.
// Input: the bytes of a settings file found on disk, then ten lines to save (UTF-8), separated by "\x".
// Properties:
//  - deciphering undoes enciphering, byte for byte, and enciphering changes every byte;
//  - loading any file twice gives the same lines, and the second load leaves the file as the first left
//    it: a plain file is enciphered once, never twice;
//  - saved lines load back as saved: each in the code page, control characters (C0, DEL, C1) as
//    blanks, the lines the
//    loader trims trimmed; the file on disk is then enciphered, never plain.
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "FuzzSandbox.h"
#include "FuzzText.h"
#include "platform/TextFile.h"
#include "platform/TextTrim.h"
#include "platform/Windows1252.h"
#include "settings/SettingsCipher.h"
#include "settings/SettingsFile.h"

#include <QFile>
#include <QStringList>

namespace {

QByteArray bytesOf(const QString &path)
{
    const std::optional<QByteArray> bytes = TextFile::readBytes(path);
    FUZZ_CHECK(bytes.has_value(), path);
    return *bytes;
}

// A saved line as it comes back: control characters (C0, DEL, C1) as blanks, characters the code page lacks as "?".
QString asStored(const QString &line, bool trimmed)
{
    QByteArray bytes;
    [[maybe_unused]] const bool held = Windows1252::appendEncoded(FuzzText::blanked(line), bytes);
    const QString stored = Windows1252::decode(bytes.constData(), bytes.size());
    return trimmed ? TextTrim::trimmed(stored) : stored;
}

void checkCipher(const QByteArray &bytes)
{
    const QByteArray enciphered = SettingsCipher::encipher(bytes);
    FUZZ_CHECK(SettingsCipher::decipher(enciphered) == bytes, QString::fromLatin1(bytes.toHex()));
    FUZZ_CHECK(enciphered.size() == bytes.size(), QString::fromLatin1(bytes.toHex()));
    for (qsizetype i = 0; i < bytes.size(); ++i)
        FUZZ_CHECK(enciphered[i] != bytes[i], QString::number(i));
}

void checkLoadedTwice(const QString &path)
{
    const SettingsFile file(path);
    const SettingsFile::Loaded first = file.loadForMainWindow();
    const QByteArray afterFirst = bytesOf(path);
    const SettingsFile::Loaded second = file.loadForMainWindow();
    FUZZ_CHECK(second.lines == first.lines,
               QStringLiteral("first ") + FuzzCheck::shown(first.lines) + QStringLiteral("\nsecond ")
                   + FuzzCheck::shown(second.lines));
    FUZZ_CHECK(bytesOf(path) == afterFirst, QString::fromLatin1(afterFirst.toHex()));
}

void checkSaved(const QString &path, const QStringList &lines)
{
    const SettingsFile file(path);
    FUZZ_CHECK(file.saveForMainWindow(lines).isEmpty(), path);
    FUZZ_CHECK(!bytesOf(path).endsWith("\r\n"), path);
    QStringList expected;
    for (int i = 0; i < lines.size(); ++i)
        expected.append(asStored(lines[i], i >= 7));
    const QStringList loaded = file.loadForMainWindow().lines;
    FUZZ_CHECK(loaded == expected,
               QStringLiteral("saved ") + FuzzCheck::shown(lines) + QStringLiteral("\nloaded ")
                   + FuzzCheck::shown(loaded));

    const QString line9 = lines[8] + QStringLiteral(" 9");
    FUZZ_CHECK(file.saveForSettingsWindow(lines, line9).isEmpty(), path);
    QStringList settingsExpected;
    for (const QString &line : lines)
        settingsExpected.append(asStored(line, true));
    settingsExpected[8] = asStored(line9, true);
    const QStringList settingsLoaded = file.loadForSettingsWindow().lines;
    FUZZ_CHECK(settingsLoaded == settingsExpected,
               QStringLiteral("saved ") + FuzzCheck::shown(lines) + QStringLiteral("\nloaded ")
                   + FuzzCheck::shown(settingsLoaded));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static FuzzSandbox sandbox;
    const FuzzInput input(data, size);
    checkCipher(input.field(0));
    sandbox.fresh();
    const QString path = sandbox.put(QStringLiteral("zettmar.ini"), input.field(0));
    checkLoadedTwice(path);
    QStringList lines;
    for (int i = 1; i <= 10; ++i)
        lines.append(input.text(i));
    checkSaved(path, lines);
    return 0;
}
