#pragma once

class TByteMatrix;

// The eight data mask conditions of ISO/IEC 18004 and the penalty score by which the encoder picks one.
class TMaskUtil {
public:
    static constexpr int PatternCount = 8;

    // Whether the mask inverts the data module in row i, column j.
    static bool inverts(int mask, int i, int j)
    {
        switch (mask) {
        case 0: return (i + j) % 2 == 0;
        case 1: return i % 2 == 0;
        case 2: return j % 3 == 0;
        case 3: return (i + j) % 3 == 0;
        case 4: return (i / 2 + j / 3) % 2 == 0;
        case 5: return (i * j) % 2 + (i * j) % 3 == 0;
        case 6: return ((i * j) % 2 + (i * j) % 3) % 2 == 0;
        case 7: return ((i + j) % 2 + (i * j) % 3) % 2 == 0;
        default: return false;
        }
    }

    // Runs of five or more modules of one colour in a row or a column: 3 + (length - 5) each.
    static int runPenalty(const TByteMatrix &matrix);
    // Every 2 x 2 square of one colour, overlapping ones included: 3 each.
    static int blockPenalty(const TByteMatrix &matrix);
    // Dark-light-dark-dark-dark-light-dark with four light modules inside the symbol directly after
    // it, or else directly before it: 40 per position and direction.
    static int finderLikePenalty(const TByteMatrix &matrix);
    // 10 for every whole 5 percentage points the dark share is away from 50 %.
    static int balancePenalty(const TByteMatrix &matrix);
    static int penalty(const TByteMatrix &matrix);
};
