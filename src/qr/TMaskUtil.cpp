#include "qr/TMaskUtil.h"

#include "qr/TByteMatrix.h"

#include <algorithm>
#include <cstdlib>

namespace {

// One row or column of the row-major cells: length modules, step cells apart.
struct TLine {
    const uint8_t *first;
    int step;
    int length;

    uint8_t operator[](int i) const { return first[i * step]; }
};

template <typename LineScore>
int sumOverRowsAndColumns(const TByteMatrix &matrix, LineScore score)
{
    const int width = matrix.width();
    const int height = matrix.height();
    int sum = 0;
    for (int y = 0; y < height; ++y)
        sum += score(TLine{matrix.cells() + y * width, 1, width});
    for (int x = 0; x < width; ++x)
        sum += score(TLine{matrix.cells() + x, width, height});
    return sum;
}

// The scans below are branch-free on module colours: masked data is close to random, so a branch
// per module would mispredict half the time, and mask choice scores eight whole symbols.

int runPenaltyOfLine(TLine line)
{
    int penalty = 0;
    int run = 0;
    uint8_t previous = TByteMatrix::Empty;
    for (int i = 0; i < line.length; ++i) {
        const uint8_t colour = line[i];
        run = (colour == previous) * run + 1;
        previous = colour;
        // The fifth module of a run adds 3, every further one 1.
        penalty += 3 * (run == 5) + (run > 5);
    }
    return penalty;
}

int finderLikePenaltyOfLine(TLine line)
{
    // The last 15 modules, oldest in the highest bit, dark = 1.
    constexpr unsigned FinderThenLight = 0b10111010000;
    constexpr unsigned LightThenFinder = 0b00001011101;
    constexpr unsigned LightFinderLight = 0b000010111010000;
    unsigned window = 0;
    int matches = 0;
    for (int i = 0; i < line.length; ++i) {
        window = ((window << 1) | (line[i] == TByteMatrix::Dark)) & 0x7FFF;
        if (i >= 10) {
            const unsigned last11 = window & 0x7FF;
            matches += (last11 == FinderThenLight) + (last11 == LightThenFinder);
        }
        // A pattern with light on both sides was counted twice above.
        if (i >= 14)
            matches -= window == LightFinderLight;
    }
    return 40 * matches;
}

} // namespace

int TMaskUtil::runPenalty(const TByteMatrix &matrix)
{
    return sumOverRowsAndColumns(matrix, runPenaltyOfLine);
}

int TMaskUtil::blockPenalty(const TByteMatrix &matrix)
{
    const int width = matrix.width();
    int penalty = 0;
    for (int y = 0; y + 1 < matrix.height(); ++y) {
        const uint8_t *row = matrix.cells() + y * width;
        const uint8_t *below = row + width;
        for (int x = 0; x + 1 < width; ++x) {
            const int mixed = (row[x] ^ row[x + 1]) | (row[x] ^ below[x]) | (row[x] ^ below[x + 1]);
            penalty += 3 * (mixed == 0);
        }
    }
    return penalty;
}

int TMaskUtil::finderLikePenalty(const TByteMatrix &matrix)
{
    return sumOverRowsAndColumns(matrix, finderLikePenaltyOfLine);
}

int TMaskUtil::balancePenalty(const TByteMatrix &matrix)
{
    const long total = static_cast<long>(matrix.width()) * matrix.height();
    if (total == 0)
        return 0;
    const long dark = std::count(matrix.cells(), matrix.cells() + total, TByteMatrix::Dark);
    // |100 dark / total - 50| / 5, kept in whole numbers so that 55 % gives exactly one step.
    const long steps = std::labs(20 * dark - 10 * total) / total;
    return static_cast<int>(10 * steps);
}

int TMaskUtil::penalty(const TByteMatrix &matrix)
{
    return runPenalty(matrix) + blockPenalty(matrix) + finderLikePenalty(matrix) + balancePenalty(matrix);
}
