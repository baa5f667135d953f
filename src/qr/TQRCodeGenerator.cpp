#include "qr/TQRCodeGenerator.h"

#include "qr/TEncoder.h"

void TQRCodeGenerator::setData(const QString &data)
{
    if (data == m_data)
        return;
    m_data = data;
    encode();
}

void TQRCodeGenerator::setEncoding(int encoding)
{
    if (encoding == m_encoding || encoding < TEncoder::Auto || encoding > TEncoder::Utf8)
        return;
    m_encoding = encoding;
    encode();
}

void TQRCodeGenerator::setQuietZone(int quietZone)
{
    if (quietZone == m_quietZone || quietZone < 0 || quietZone > 100)
        return;
    m_quietZone = quietZone;
    encode();
}

int TQRCodeGenerator::Rows() const
{
    return m_symbol.size() == 0 ? 0 : m_symbol.size() + 2 * m_quietZone;
}

bool TQRCodeGenerator::IsBlack(int row, int column) const
{
    return m_symbol.get(column - m_quietZone, row - m_quietZone);
}

void TQRCodeGenerator::encode()
{
    TEncoder encoder;
    TQRCode code;
    if (encoder.encode(m_data, m_encoding, code) == TEncoder::TResult::DoesNotFit) {
        m_state = TState::ContentTooLarge;
        m_symbol = T2DBooleanArray();
        return;
    }
    const TByteMatrix &matrix = code.matrix();
    m_symbol = T2DBooleanArray(matrix.width());
    for (int y = 0; y < matrix.height(); ++y)
        for (int x = 0; x < matrix.width(); ++x)
            m_symbol.set(x, y, matrix.get(x, y) == TByteMatrix::Dark);
    m_state = TState::Encoded;
}
