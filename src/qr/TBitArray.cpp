#include "qr/TBitArray.h"

void TBitArray::appendBit(bool bit)
{
    if (m_size % 8 == 0)
        m_bytes.push_back(0);
    if (bit)
        m_bytes.back() |= static_cast<uint8_t>(0x80u >> (m_size % 8));
    ++m_size;
}

void TBitArray::appendBits(uint32_t value, int bitCount)
{
    for (int shift = bitCount - 1; shift >= 0; --shift)
        appendBit((value >> shift) & 1u);
}

void TBitArray::appendBytes(const std::vector<uint8_t> &bytes)
{
    for (const uint8_t byte : bytes)
        appendBits(byte, 8);
}

void TBitArray::append(const TBitArray &other)
{
    for (int i = 0; i < other.size(); ++i)
        appendBit(other.bit(i));
}
