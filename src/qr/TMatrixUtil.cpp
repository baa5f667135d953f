#include "qr/TMatrixUtil.h"

#include "qr/TBitArray.h"
#include "qr/TByteMatrix.h"
#include "qr/TErrorCorrectionLevel.h"
#include "qr/TMaskUtil.h"
#include "qr/TVersion.h"

#include <bit>

namespace {

constexpr int FormatGenerator = 0b10100110111;
constexpr int FormatMask = 0b101010000010010;
constexpr int VersionGenerator = 0b1111100100101;
constexpr int FinderSize = 7;

// data followed by the remainder of data * x^degree(generator) divided by generator.
int bitLength(int value)
{
    return static_cast<int>(std::bit_width(static_cast<unsigned>(value)));
}

int bchCode(int data, int generator)
{
    const int degree = bitLength(generator) - 1;
    int remainder = data << degree;
    while (bitLength(remainder) > degree)
        remainder ^= generator << (bitLength(remainder) - 1 - degree);
    return (data << degree) | remainder;
}

void fillSquare(TByteMatrix &matrix, int left, int top, int size, uint8_t value)
{
    for (int y = top; y < top + size; ++y)
        for (int x = left; x < left + size; ++x)
            if (x >= 0 && y >= 0 && x < matrix.width() && y < matrix.height())
                matrix.set(x, y, value);
}

// A dark square, a light ring one module wide inside it, and a dark core filling the rest: 7-5-3 for
// a finder pattern (whose core is a dark 3 x 3 block), 5-3-1 for an alignment pattern.
void embedConcentricPattern(TByteMatrix &matrix, int left, int top, int size)
{
    fillSquare(matrix, left, top, size, TByteMatrix::Dark);
    fillSquare(matrix, left + 1, top + 1, size - 2, TByteMatrix::Light);
    fillSquare(matrix, left + 2, top + 2, size - 4, TByteMatrix::Dark);
}

// A finder pattern with its light separator; the separator square is cut off by the symbol edge.
void embedFinderPattern(TByteMatrix &matrix, int left, int top)
{
    fillSquare(matrix, left - 1, top - 1, FinderSize + 2, TByteMatrix::Light);
    embedConcentricPattern(matrix, left, top, FinderSize);
}

void embedTimingPatterns(TByteMatrix &matrix)
{
    for (int i = FinderSize + 1; i < matrix.width() - FinderSize - 1; ++i) {
        matrix.setDark(i, 6, i % 2 == 0);
        matrix.setDark(6, i, i % 2 == 0);
    }
}

void embedAlignmentPatterns(const TVersion &version, TByteMatrix &matrix)
{
    const std::vector<int> &centers = version.alignmentPatternCenters();
    if (centers.empty())
        return;
    const int first = centers.front();
    const int last = centers.back();
    for (const int cy : centers) {
        for (const int cx : centers) {
            // The three corners that hold finder patterns get no alignment pattern.
            const bool onFinder
                = (cx == first && cy == first) || (cx == first && cy == last) || (cx == last && cy == first);
            if (!onFinder)
                embedConcentricPattern(matrix, cx - 2, cy - 2, 5);
        }
    }
}

void embedFunctionPatterns(const TVersion &version, TByteMatrix &matrix)
{
    const int size = matrix.width();
    embedFinderPattern(matrix, 0, 0);
    embedFinderPattern(matrix, size - FinderSize, 0);
    embedFinderPattern(matrix, 0, size - FinderSize);
    embedTimingPatterns(matrix);
    embedAlignmentPatterns(version, matrix);
    matrix.set(8, size - 8, TByteMatrix::Dark);
}

bool bitAt(int value, int index)
{
    return ((value >> index) & 1) != 0;
}

// Bit 0 is the least significant. One copy runs down column 8 and left along row 8 around the upper
// left finder; the other is split between row 8 at the upper right and column 8 at the lower left.
void embedFormatInformation(const TErrorCorrectionLevel &level, int mask, TByteMatrix &matrix)
{
    const int size = matrix.width();
    const int format = TMatrixUtil::formatInformation(level, mask);
    for (int i = 0; i < 15; ++i) {
        const bool dark = bitAt(format, i);
        if (i < 6)
            matrix.setDark(8, i, dark);
        else if (i < 8)
            matrix.setDark(8, i + 1, dark);
        else if (i == 8)
            matrix.setDark(7, 8, dark);
        else
            matrix.setDark(14 - i, 8, dark);

        if (i < 8)
            matrix.setDark(size - 1 - i, 8, dark);
        else
            matrix.setDark(8, size - 15 + i, dark);
    }
}

// Two 6 x 3 blocks beside the lower left and upper right finders, one the transpose of the other.
void embedVersionInformation(const TVersion &version, TByteMatrix &matrix)
{
    if (version.number() < 7)
        return;
    const int size = matrix.width();
    const int information = TMatrixUtil::versionInformation(version.number());
    for (int i = 0; i < 18; ++i) {
        const bool dark = bitAt(information, i);
        matrix.setDark(i / 3, size - 11 + i % 3, dark);
        matrix.setDark(size - 11 + i % 3, i / 3, dark);
    }
}

// Two-module-wide columns from the lower right, upwards and downwards in turn, the vertical timing
// column skipped; each free module takes the next bit (light once they run out), masked.
bool embedData(const TBitArray &codewords, int mask, TByteMatrix &matrix)
{
    const int size = matrix.width();
    const int bitCount = codewords.size();
    int next = 0;
    int unusedModules = 0;
    bool upwards = true;
    for (int right = size - 1; right >= 1; right -= 2) {
        if (right == 6)
            right = 5;
        for (int step = 0; step < size; ++step) {
            const int y = upwards ? size - 1 - step : step;
            for (int x = right; x >= right - 1; --x) {
                if (!matrix.isEmpty(x, y))
                    continue;
                bool dark = false;
                if (next < bitCount)
                    dark = codewords.bit(next++);
                else
                    ++unusedModules;
                matrix.setDark(x, y, dark != TMaskUtil::inverts(mask, y, x));
            }
        }
        upwards = !upwards;
    }
    return next == bitCount && unusedModules < 8;
}

} // namespace

int TMatrixUtil::formatInformation(const TErrorCorrectionLevel &level, int mask)
{
    return bchCode((level.formatBits() << 3) | mask, FormatGenerator) ^ FormatMask;
}

int TMatrixUtil::versionInformation(int version)
{
    return bchCode(version, VersionGenerator);
}

bool TMatrixUtil::buildMatrix(const TBitArray &codewords, const TErrorCorrectionLevel &level, const TVersion &version,
                              int mask, TByteMatrix &matrix)
{
    const int size = version.dimension();
    if (matrix.width() == size && matrix.height() == size)
        matrix.clear(TByteMatrix::Empty);
    else
        matrix = TByteMatrix(size, size);
    embedFunctionPatterns(version, matrix);
    embedFormatInformation(level, mask, matrix);
    embedVersionInformation(version, matrix);
    return embedData(codewords, mask, matrix);
}
