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

int runPenaltyOfLine(TLine line)
{
    int penalty = 0;
    int run = 1;
    for (int i = 1; i <= line.length; ++i) {
        if (i < line.length && line[i] == line[i - 1]) {
            ++run;
            continue;
        }
        if (run >= 5)
            penalty += 3 + (run - 5);
        run = 1;
    }
    return penalty;
}

bool isLightStretch(TLine line, int from, int to)
{
    if (from < 0 || to > line.length)
        return false;
    for (int i = from; i < to; ++i)
        if (line[i] == TByteMatrix::Dark)
            return false;
    return true;
}

bool startsFinderLikePattern(TLine line, int i)
{
    static constexpr uint8_t pattern[] = {1, 0, 1, 1, 1, 0, 1};
    for (int k = 0; k < 7; ++k)
        if ((line[i + k] == TByteMatrix::Dark) != (pattern[k] == 1))
            return false;
    return true;
}

int finderLikePenaltyOfLine(TLine line)
{
    int penalty = 0;
    for (int i = 0; i + 7 <= line.length; ++i) {
        if (startsFinderLikePattern(line, i) && (isLightStretch(line, i + 7, i + 11) || isLightStretch(line, i - 4, i)))
            penalty += 40;
    }
    return penalty;
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
            const uint8_t colour = row[x];
            if (row[x + 1] == colour && below[x] == colour && below[x + 1] == colour)
                penalty += 3;
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
