#include "qr/TVersion.h"

namespace {

// ISO/IEC 18004: per version the total codewords, the alignment pattern centre coordinates and, for
// level L, the check words per block with the block groups {count, data codewords}.
const std::vector<TVersion> &allVersions()
{
    static const std::vector<TVersion> versions = {
        TVersion(1, 26, {}, TECBlocks(7, {{1, 19}})),
        TVersion(2, 44, {6, 18}, TECBlocks(10, {{1, 34}})),
        TVersion(3, 70, {6, 22}, TECBlocks(15, {{1, 55}})),
        TVersion(4, 100, {6, 26}, TECBlocks(20, {{1, 80}})),
        TVersion(5, 134, {6, 30}, TECBlocks(26, {{1, 108}})),
        TVersion(6, 172, {6, 34}, TECBlocks(18, {{2, 68}})),
        TVersion(7, 196, {6, 22, 38}, TECBlocks(20, {{2, 78}})),
        TVersion(8, 242, {6, 24, 42}, TECBlocks(24, {{2, 97}})),
        TVersion(9, 292, {6, 26, 46}, TECBlocks(30, {{2, 116}})),
        TVersion(10, 346, {6, 28, 50}, TECBlocks(18, {{2, 68}, {2, 69}})),
        TVersion(11, 404, {6, 30, 54}, TECBlocks(20, {{4, 81}})),
        TVersion(12, 466, {6, 32, 58}, TECBlocks(24, {{2, 92}, {2, 93}})),
        TVersion(13, 532, {6, 34, 62}, TECBlocks(26, {{4, 107}})),
        TVersion(14, 581, {6, 26, 46, 66}, TECBlocks(30, {{3, 115}, {1, 116}})),
        TVersion(15, 655, {6, 26, 48, 70}, TECBlocks(22, {{5, 87}, {1, 88}})),
        TVersion(16, 733, {6, 26, 50, 74}, TECBlocks(24, {{5, 98}, {1, 99}})),
        TVersion(17, 815, {6, 30, 54, 78}, TECBlocks(28, {{1, 107}, {5, 108}})),
        TVersion(18, 901, {6, 30, 56, 82}, TECBlocks(30, {{5, 120}, {1, 121}})),
        TVersion(19, 991, {6, 30, 58, 86}, TECBlocks(28, {{3, 113}, {4, 114}})),
        TVersion(20, 1085, {6, 34, 62, 90}, TECBlocks(28, {{3, 107}, {5, 108}})),
        TVersion(21, 1156, {6, 28, 50, 72, 94}, TECBlocks(28, {{4, 116}, {4, 117}})),
        TVersion(22, 1258, {6, 26, 50, 74, 98}, TECBlocks(28, {{2, 111}, {7, 112}})),
        TVersion(23, 1364, {6, 30, 54, 78, 102}, TECBlocks(30, {{4, 121}, {5, 122}})),
        TVersion(24, 1474, {6, 28, 54, 80, 106}, TECBlocks(30, {{6, 117}, {4, 118}})),
        TVersion(25, 1588, {6, 32, 58, 84, 110}, TECBlocks(26, {{8, 106}, {4, 107}})),
        TVersion(26, 1706, {6, 30, 58, 86, 114}, TECBlocks(28, {{10, 114}, {2, 115}})),
        TVersion(27, 1828, {6, 34, 62, 90, 118}, TECBlocks(30, {{8, 122}, {4, 123}})),
        TVersion(28, 1921, {6, 26, 50, 74, 98, 122}, TECBlocks(30, {{3, 117}, {10, 118}})),
        TVersion(29, 2051, {6, 30, 54, 78, 102, 126}, TECBlocks(30, {{7, 116}, {7, 117}})),
        TVersion(30, 2185, {6, 26, 52, 78, 104, 130}, TECBlocks(30, {{5, 115}, {10, 116}})),
        TVersion(31, 2323, {6, 30, 56, 82, 108, 134}, TECBlocks(30, {{13, 115}, {3, 116}})),
        TVersion(32, 2465, {6, 34, 60, 86, 112, 138}, TECBlocks(30, {{17, 115}})),
        TVersion(33, 2611, {6, 30, 58, 86, 114, 142}, TECBlocks(30, {{17, 115}, {1, 116}})),
        TVersion(34, 2761, {6, 34, 62, 90, 118, 146}, TECBlocks(30, {{13, 115}, {6, 116}})),
        TVersion(35, 2876, {6, 30, 54, 78, 102, 126, 150}, TECBlocks(30, {{12, 121}, {7, 122}})),
        TVersion(36, 3034, {6, 24, 50, 76, 102, 128, 154}, TECBlocks(30, {{6, 121}, {14, 122}})),
        TVersion(37, 3196, {6, 28, 54, 80, 106, 132, 158}, TECBlocks(30, {{17, 122}, {4, 123}})),
        TVersion(38, 3362, {6, 32, 58, 84, 110, 136, 162}, TECBlocks(30, {{4, 122}, {18, 123}})),
        TVersion(39, 3532, {6, 26, 54, 82, 110, 138, 166}, TECBlocks(30, {{20, 117}, {4, 118}})),
        TVersion(40, 3706, {6, 30, 58, 86, 114, 142, 170}, TECBlocks(30, {{19, 118}, {6, 119}})),
    };
    return versions;
}

} // namespace

const TVersion *TVersion::forNumber(int number)
{
    if (number < kMinNumber || number > kMaxNumber)
        return nullptr;
    return &allVersions()[static_cast<std::size_t>(number - kMinNumber)];
}

TVersion::TVersion(int number, int totalCodewords, std::vector<int> alignmentPatternCenters, TECBlocks ecBlocks)
    : m_number(number)
    , m_totalCodewords(totalCodewords)
    , m_alignmentPatternCenters(std::move(alignmentPatternCenters))
    , m_ecBlocks(std::move(ecBlocks))
{
}
