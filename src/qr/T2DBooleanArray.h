#pragma once

#include <cstdint>
#include <vector>

// The finished symbol: a square of yes/no values, first index the column, second the row, yes = dark.
class T2DBooleanArray {
public:
    explicit T2DBooleanArray(int size = 0);

    int size() const { return m_size; }
    // False outside the square, so callers may ask about any position.
    bool get(int column, int row) const;
    void set(int column, int row, bool value);

private:
    bool contains(int column, int row) const { return column >= 0 && row >= 0 && column < m_size && row < m_size; }
    std::size_t index(int column, int row) const
    {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(m_size) + static_cast<std::size_t>(column);
    }

    int m_size;
    std::vector<uint8_t> m_values;
};
