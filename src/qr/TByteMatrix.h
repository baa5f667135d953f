#pragma once

#include <cstdint>
#include <vector>

// The module grid while a symbol is built, addressed by column x and row y. A cell is empty until a
// function pattern or a data bit claims it; the flat row-major array keeps mask scoring cheap.
class TByteMatrix {
public:
    enum : uint8_t { Light = 0, Dark = 1, Empty = 2 };

    TByteMatrix(int width, int height);

    int width() const { return m_width; }
    int height() const { return m_height; }
    uint8_t get(int x, int y) const { return m_cells[index(x, y)]; }
    bool isEmpty(int x, int y) const { return get(x, y) == Empty; }
    void set(int x, int y, uint8_t value) { m_cells[index(x, y)] = value; }
    void setDark(int x, int y, bool dark) { set(x, y, dark ? Dark : Light); }
    void clear(uint8_t value);
    // Row-major cells, for scans that walk whole rows and columns.
    const uint8_t *cells() const { return m_cells.data(); }

    bool operator==(const TByteMatrix &) const = default;

private:
    std::size_t index(int x, int y) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) + static_cast<std::size_t>(x);
    }

    int m_width;
    int m_height;
    std::vector<uint8_t> m_cells;
};
