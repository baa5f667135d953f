#pragma once

#include <array>
#include <cstdint>

// The finite field GF(256) that QR Code error correction works in (ISO/IEC 18004): elements are bytes,
// addition is XOR, multiplication goes through logarithm tables of the primitive element alpha = 2.
class TGenericGF {
public:
    // x^8 + x^4 + x^3 + x^2 + 1, generator base 0: the field and root numbering of ISO/IEC 18004.
    static const TGenericGF &qrCodeField256();

    static int addOrSubtract(int a, int b) { return a ^ b; }
    int exp(int power) const { return m_exp[power % 255]; }
    int multiply(int a, int b) const;
    int generatorBase() const { return m_generatorBase; }

private:
    TGenericGF(int primitivePolynomial, int generatorBase);

    std::array<uint8_t, 256> m_exp{};
    std::array<uint8_t, 256> m_log{};
    int m_generatorBase;
};
