#include "qr/TByteMatrix.h"

#include <algorithm>

TByteMatrix::TByteMatrix(int width, int height)
    : m_width(std::max(width, 0))
    , m_height(std::max(height, 0))
    , m_cells(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height), Empty)
{
}

void TByteMatrix::clear(uint8_t value)
{
    std::fill(m_cells.begin(), m_cells.end(), value);
}
