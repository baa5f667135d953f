#pragma once

// The error correction level of a symbol. This encoder always writes level L (about 7 % recovery),
// which leaves the most room for a payment text.
class TErrorCorrectionLevel {
public:
    static const TErrorCorrectionLevel &L();

    // The two level bits of the format information (ISO/IEC 18004: L = 01).
    int formatBits() const { return m_formatBits; }

private:
    explicit TErrorCorrectionLevel(int formatBits)
        : m_formatBits(formatBits)
    {
    }

    int m_formatBits;
};
