#include "qr/T2DBooleanArray.h"

#include <algorithm>

T2DBooleanArray::T2DBooleanArray(int size)
    : m_size(std::max(size, 0))
    , m_values(static_cast<std::size_t>(m_size) * static_cast<std::size_t>(m_size), 0)
{
}

bool T2DBooleanArray::get(int column, int row) const
{
    return contains(column, row) && m_values[index(column, row)] != 0;
}

void T2DBooleanArray::set(int column, int row, bool value)
{
    if (contains(column, row))
        m_values[index(column, row)] = value ? 1 : 0;
}
