#include "qr/TQRCode.h"

TQRCode::TQRCode(TMode mode, int version, int maskPattern, TByteMatrix matrix)
    : m_mode(mode)
    , m_version(version)
    , m_maskPattern(maskPattern)
    , m_matrix(std::move(matrix))
{
}
