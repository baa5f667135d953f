#pragma once

#include <cstdint>
#include <vector>

// A growing sequence of bits. Values go in most significant bit first, as the QR bit stream is written.
class TBitArray {
public:
    // Appends the low bitCount bits of value (0 to 32 bits).
    void appendBits(uint32_t value, int bitCount);
    void appendBytes(const std::vector<uint8_t> &bytes);
    void append(const TBitArray &other);

    int size() const { return m_size; }
    int sizeInBytes() const { return (m_size + 7) / 8; }
    bool bit(int index) const { return (m_bytes[static_cast<std::size_t>(index) / 8] >> (7 - index % 8)) & 1; }
    // The bits as bytes of eight, the last one filled up with 0 bits.
    const std::vector<uint8_t> &bytes() const { return m_bytes; }

private:
    void appendBit(bool bit);

    std::vector<uint8_t> m_bytes;
    int m_size = 0;
};
