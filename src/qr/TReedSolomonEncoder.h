#pragma once

#include "qr/TGenericGFPoly.h"

#include <cstdint>
#include <vector>

class TGenericGF;

// Reed-Solomon check words as ISO/IEC 18004 defines them: the remainder of the data polynomial times
// x^n divided by the generator polynomial (x - alpha^b)(x - alpha^(b+1))...(x - alpha^(b+n-1)).
class TReedSolomonEncoder {
public:
    explicit TReedSolomonEncoder(const TGenericGF &field);

    std::vector<uint8_t> errorCorrectionBytes(const std::vector<uint8_t> &data, int ecCount);

private:
    const TGenericGFPoly &generator(int degree);

    const TGenericGF &m_field;
    // Index = degree; grown on demand because one symbol uses a single error correction length.
    std::vector<TGenericGFPoly> m_generators;
};
