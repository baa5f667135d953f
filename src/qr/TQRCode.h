#pragma once

#include "qr/TByteMatrix.h"
#include "qr/TMode.h"

// A finished symbol and the choices that made it; the level is always L.
class TQRCode {
public:
    TQRCode() = default;
    TQRCode(TMode mode, int version, int maskPattern, TByteMatrix matrix);

    TMode mode() const { return m_mode; }
    int version() const { return m_version; }
    int maskPattern() const { return m_maskPattern; }
    const TByteMatrix &matrix() const { return m_matrix; }

private:
    TMode m_mode = TMode::Byte;
    int m_version = 0;
    int m_maskPattern = -1;
    TByteMatrix m_matrix{0, 0};
};
