#pragma once

#include "qr/TECBlocks.h"

#include <vector>

// One of the 40 symbol versions of ISO/IEC 18004 with the facts the encoder needs from the standard's
// tables. Only the level L block structure is kept, as no other level is ever written.
class TVersion {
public:
    static constexpr int kMinNumber = 1;
    static constexpr int kMaxNumber = 40;

    // Null for a number outside 1 to 40.
    static const TVersion *forNumber(int number);

    int number() const { return m_number; }
    int dimension() const { return 17 + 4 * m_number; }
    int totalCodewords() const { return m_totalCodewords; }
    const std::vector<int> &alignmentPatternCenters() const { return m_alignmentPatternCenters; }
    const TECBlocks &ecBlocks() const { return m_ecBlocks; }

    TVersion(int number, int totalCodewords, std::vector<int> alignmentPatternCenters, TECBlocks ecBlocks);

private:
    int m_number;
    int m_totalCodewords;
    std::vector<int> m_alignmentPatternCenters;
    TECBlocks m_ecBlocks;
};
