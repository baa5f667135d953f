#include "settings/SettingsCipher.h"

namespace {

// Fixed in the program: files written by earlier installations must stay readable.
constexpr char kKey[] = "qavemirTHok";
constexpr qsizetype kKeyLength = sizeof(kKey) - 1;

QByteArray shifted(QByteArray bytes, int direction)
{
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(static_cast<unsigned char>(bytes[i]) + direction * kKey[i % kKeyLength]);
    return bytes;
}

} // namespace

QByteArray SettingsCipher::encipher(QByteArray bytes)
{
    return shifted(std::move(bytes), 1);
}

QByteArray SettingsCipher::decipher(QByteArray bytes)
{
    return shifted(std::move(bytes), -1);
}
