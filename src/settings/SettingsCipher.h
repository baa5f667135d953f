#pragma once

#include <QByteArray>

// The byte-wise Vigenère cipher of the settings file. The key starts over at the first byte of every
// call, so enciphering twice and deciphering once does not give the plain text back.
class SettingsCipher {
public:
    static QByteArray encipher(QByteArray bytes);
    static QByteArray decipher(QByteArray bytes);
};
