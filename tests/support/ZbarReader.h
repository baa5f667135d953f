#pragma once

#include <QByteArray>

#include <functional>
#include <optional>

// Reads a QR symbol with zbar, an independent decoder: the modules are drawn with a quiet zone of four
// modules, four pixels per module, and the bytes come back as stored (no character set guessing).
class ZbarReader {
public:
    using ModuleColour = std::function<bool(int x, int y)>; // true = dark

    static std::optional<QByteArray> decode(int modulesPerSide, const ModuleColour &isDark);
    // A picture as it is, one byte of grey per pixel, rows one after the other.
    static std::optional<QByteArray> decodeGrey(const unsigned char *pixels, int width, int height);
};
