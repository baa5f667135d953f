#include "settings/SettingsFile.h"

#include "platform/TextFile.h"
#include "platform/TextTrim.h"
#include "platform/Windows1252.h"
#include "settings/EnciphermentTest.h"
#include "settings/SettingsCipher.h"

#include <QFile>

namespace {

const QByteArray kLineEnd("\r\n");

QStringList linesOf(const QByteArray &bytes)
{
    return TextFile::splitLines(Windows1252::decode(bytes.constData(), bytes.size()));
}

QString textWithCrLf(const QByteArray &bytes)
{
    QString text;
    for (const QString &line : linesOf(bytes))
        text += line + QStringLiteral("\r\n");
    return text;
}

// Every line break a CR LF and one after the last line: the form the program writes before enciphering.
bool isWrittenLayout(const QByteArray &bytes)
{
    if (!bytes.endsWith(kLineEnd))
        return false;
    return bytes.count('\r') == bytes.count(kLineEnd) && bytes.count('\n') == bytes.count(kLineEnd);
}

// The character test alone takes short files for plain: ten empty lines enciphered, or a short program
// password alone, would be enciphered a second time and the password lost. The cipher never turns the
// closing CR LF of our layout into CR LF again, so the file's end settles the question wherever it can.
bool isEnciphered(const QByteArray &bytes, const QByteArray &deciphered)
{
    if (bytes.endsWith(kLineEnd))
        return false;
    if (isWrittenLayout(deciphered))
        return true;
    return EnciphermentTest::saysEnciphered(textWithCrLf(bytes));
}

QStringList tenLines(const QByteArray &plain)
{
    QStringList lines = linesOf(plain);
    lines.resize(settingsLineCount);
    return lines;
}

// The ten lines as found, each closed by CR LF.
QByteArray inWrittenLayout(const QByteArray &plain)
{
    return TextFile::encodeLines(tenLines(plain), TextEncoding::Windows1252);
}

void trimFrom(SettingsLine first, QStringList &lines)
{
    for (int i = indexOf(first); i < settingsLineCount; ++i)
        lines[i] = TextTrim::trimmed(lines[i]);
}

} // namespace

SettingsFile::SettingsFile(QString path)
    : m_path(std::move(path))
{
}

bool SettingsFile::exists() const
{
    return QFile::exists(m_path);
}

SettingsFile::Loaded SettingsFile::loadForMainWindow() const
{
    return load(SettingsLine::BackupFolder);
}

SettingsFile::Loaded SettingsFile::loadForSettingsWindow() const
{
    return load(SettingsLine::Reserved1);
}

QString SettingsFile::saveForMainWindow(const QStringList &lines) const
{
    return save(lines);
}

QString SettingsFile::saveForSettingsWindow(QStringList lines, const QString &line9) const
{
    lines.resize(settingsLineCount);
    trimFrom(SettingsLine::Reserved1, lines);
    lines[indexOf(SettingsLine::Reserved9)] = line9;
    return save(lines);
}

SettingsFile::Loaded SettingsFile::load(SettingsLine firstTrimmed) const
{
    Loaded loaded;
    const std::optional<QByteArray> read = TextFile::readBytes(m_path, &loaded.readError);
    if (!read)
        return loaded;
    const QByteArray &bytes = *read;
    const QByteArray deciphered = SettingsCipher::decipher(bytes);
    const bool enciphered = isEnciphered(bytes, deciphered);
    const QByteArray &plain = enciphered ? deciphered : bytes;
    loaded.lines = tenLines(plain);
    trimFrom(firstTrimmed, loaded.lines);
    // A file found enciphered is left as it is: deciphering and enciphering again gives the same bytes.
    // A plain one is enciphered in our layout, so the next load knows it by its end and does not take
    // it for plain again (which would encipher it twice and lose the password).
    if (!enciphered)
        loaded.encipherError = writeEnciphered(isWrittenLayout(plain) ? plain : inWrittenLayout(plain));
    return loaded;
}

QString SettingsFile::save(const QStringList &lines) const
{
    QStringList ten;
    for (const QString &line : lines)
        ten.append(TextTrim::blankControls(line));
    ten.resize(settingsLineCount);
    return writeEnciphered(TextFile::encodeLines(ten, TextEncoding::Windows1252));
}

// Only the user may read the file: it holds the program password and the banking login.
QString SettingsFile::writeEnciphered(const QByteArray &plain) const
{
    return TextFile::writeBytes(m_path, SettingsCipher::encipher(plain),
                                QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}
