#include "qr/TEncoder.h"

#include "qr/TBitArray.h"
#include "qr/TBlockPair.h"
#include "qr/TErrorCorrectionLevel.h"
#include "qr/TGenericGF.h"
#include "qr/TMaskUtil.h"
#include "qr/TMatrixUtil.h"
#include "qr/TReedSolomonEncoder.h"
#include "qr/TVersion.h"

#include <algorithm>

namespace {

constexpr int kModeIndicatorBits = 4;
constexpr uint8_t kPadBytes[] = {0xEC, 0x11};

bool isDigit(QChar character)
{
    return character >= u'0' && character <= u'9';
}

bool isAlphanumeric(QChar character)
{
    return alphanumericValue(character.unicode()) >= 0;
}

bool isLatin1(QChar character)
{
    return character.unicode() < 256;
}

template <typename Predicate>
bool allCharacters(const QString &text, Predicate predicate)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), predicate);
}

// Each kept character as one byte of its code.
template <typename Predicate>
std::string keptCharacters(const QString &text, Predicate keep)
{
    std::string kept;
    for (const QChar character : text)
        if (keep(character))
            kept.push_back(static_cast<char>(character.unicode()));
    return kept;
}

std::string utf8(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

TEncoder::TOption automaticOption(const QString &text)
{
    if (allCharacters(text, isDigit))
        return TEncoder::Numeric;
    if (allCharacters(text, isAlphanumeric))
        return TEncoder::Alphanumeric;
    if (allCharacters(text, isLatin1))
        return TEncoder::Latin1;
    return TEncoder::Utf8WithByteOrderMark;
}

void appendNumeric(const std::string &digits, TBitArray &bits)
{
    static constexpr int kBitsForDigits[] = {0, 4, 7, 10};
    for (std::size_t start = 0; start < digits.size(); start += 3) {
        const std::size_t length = std::min<std::size_t>(3, digits.size() - start);
        bits.appendBits(static_cast<uint32_t>(std::stoi(digits.substr(start, length))), kBitsForDigits[length]);
    }
}

void appendAlphanumeric(const std::string &characters, TBitArray &bits)
{
    for (std::size_t start = 0; start < characters.size(); start += 2) {
        const int first = alphanumericValue(static_cast<char16_t>(characters[start]));
        if (start + 1 < characters.size())
            bits.appendBits(
                static_cast<uint32_t>(45 * first + alphanumericValue(static_cast<char16_t>(characters[start + 1]))),
                11);
        else
            bits.appendBits(static_cast<uint32_t>(first), 6);
    }
}

TBitArray contentBits(const TSegment &segment)
{
    TBitArray bits;
    switch (segment.mode) {
    case TMode::Numeric: appendNumeric(segment.content, bits); break;
    case TMode::Alphanumeric: appendAlphanumeric(segment.content, bits); break;
    case TMode::Byte: bits.appendBytes(std::vector<uint8_t>(segment.content.begin(), segment.content.end())); break;
    }
    return bits;
}

int smallestVersionHolding(int bitCount)
{
    for (int number = TVersion::kMinNumber; number <= TVersion::kMaxNumber; ++number)
        if ((bitCount + 7) / 8 <= TVersion::forNumber(number)->ecBlocks().totalDataCodewords())
            return number;
    return 0;
}

std::vector<TBlockPair> splitIntoBlocks(const std::vector<uint8_t> &data, const TECBlocks &blocks)
{
    TReedSolomonEncoder reedSolomon(TGenericGF::qrCodeField256());
    std::vector<TBlockPair> pairs;
    auto next = data.begin();
    for (const TECB &group : blocks.groups()) {
        for (int i = 0; i < group.count; ++i) {
            std::vector<uint8_t> blockData(next, next + group.dataCodewords);
            next += group.dataCodewords;
            std::vector<uint8_t> check = reedSolomon.errorCorrectionBytes(blockData, blocks.ecCodewordsPerBlock());
            pairs.push_back(TBlockPair{std::move(blockData), std::move(check)});
        }
    }
    return pairs;
}

// Byte i of every block that has one, for i = 0, 1, ...: what ISO/IEC 18004 calls interleaving.
void appendInterleaved(const std::vector<TBlockPair> &pairs, std::vector<uint8_t> TBlockPair::*part, TBitArray &out)
{
    std::size_t longest = 0;
    for (const TBlockPair &pair : pairs)
        longest = std::max(longest, (pair.*part).size());
    for (std::size_t i = 0; i < longest; ++i)
        for (const TBlockPair &pair : pairs)
            if (i < (pair.*part).size())
                out.appendBits((pair.*part)[i], 8);
}

} // namespace

TSegment TEncoder::makeSegment(const QString &text, int option)
{
    switch (option) {
    case Numeric: return {TMode::Numeric, keptCharacters(text, isDigit)};
    case Alphanumeric: return {TMode::Alphanumeric, keptCharacters(text, isAlphanumeric)};
    case Latin1: return {TMode::Byte, keptCharacters(text, isLatin1)};
    case Utf8WithByteOrderMark: return {TMode::Byte, "\xEF\xBB\xBF" + utf8(text)};
    case Utf8: return {TMode::Byte, utf8(text)};
    default: return makeSegment(text, automaticOption(text));
    }
}

int TEncoder::chooseVersion(const TSegment &segment)
{
    const int dataBits = contentBits(segment).size();
    // The count field's width depends on the version being chosen: guess with version 1's width,
    // then settle with the width of the version that guess gives.
    const int guess = smallestVersionHolding(kModeIndicatorBits + characterCountBits(segment.mode, 1) + dataBits);
    if (guess == 0)
        return 0;
    return smallestVersionHolding(kModeIndicatorBits + characterCountBits(segment.mode, guess) + dataBits);
}

int TEncoder::lowestPenaltyMask(const std::array<int, 8> &penalties)
{
    return static_cast<int>(std::min_element(penalties.begin(), penalties.end()) - penalties.begin());
}

TEncoder::TResult TEncoder::encode(const QString &text, int option, TQRCode &code)
{
    m_internalError = false;
    const TSegment segment = makeSegment(text, option);
    const TVersion *version = TVersion::forNumber(chooseVersion(segment));
    if (version == nullptr)
        return TResult::DoesNotFit;

    const TBitArray codewords = interleavedWithErrorCorrection(dataCodewords(segment, *version), *version);
    const int mask = chooseMask(codewords, *version);
    TByteMatrix matrix(version->dimension(), version->dimension());
    check(TMatrixUtil::buildMatrix(codewords, TErrorCorrectionLevel::L(), *version, mask, matrix));
    code = TQRCode(segment.mode, version->number(), mask, std::move(matrix));
    return TResult::Encoded;
}

TBitArray TEncoder::dataCodewords(const TSegment &segment, const TVersion &version)
{
    return terminatedAndPadded(headedBits(segment, version), version);
}

TBitArray TEncoder::headedBits(const TSegment &segment, const TVersion &version)
{
    const int countBits = characterCountBits(segment.mode, version.number());
    const std::size_t count = segment.content.size();
    check(count < (std::size_t{1} << countBits));
    TBitArray bits;
    bits.appendBits(static_cast<uint32_t>(modeIndicator(segment.mode)), kModeIndicatorBits);
    bits.appendBits(static_cast<uint32_t>(count), countBits);
    bits.append(contentBits(segment));
    return bits;
}

TBitArray TEncoder::terminatedAndPadded(TBitArray bits, const TVersion &version)
{
    const int capacityBits = 8 * version.ecBlocks().totalDataCodewords();
    check(bits.size() <= capacityBits);
    bits.appendBits(0, std::clamp(capacityBits - bits.size(), 0, 4));
    bits.appendBits(0, (8 - bits.size() % 8) % 8);
    for (int i = 0; bits.size() < capacityBits; ++i)
        bits.appendBits(kPadBytes[i % 2], 8);
    return bits;
}

TBitArray TEncoder::interleavedWithErrorCorrection(const TBitArray &data, const TVersion &version)
{
    const TECBlocks &blocks = version.ecBlocks();
    std::vector<uint8_t> dataBytes = data.bytes();
    check(static_cast<int>(dataBytes.size()) == blocks.totalDataCodewords());
    dataBytes.resize(static_cast<std::size_t>(blocks.totalDataCodewords()));

    const std::vector<TBlockPair> pairs = splitIntoBlocks(dataBytes, blocks);
    TBitArray codewords;
    appendInterleaved(pairs, &TBlockPair::dataBytes, codewords);
    appendInterleaved(pairs, &TBlockPair::errorCorrectionBytes, codewords);
    check(codewords.sizeInBytes() == version.totalCodewords());
    return codewords;
}

int TEncoder::chooseMask(const TBitArray &codewords, const TVersion &version)
{
    std::array<int, TMaskUtil::PatternCount> penalties{};
    TByteMatrix trial(version.dimension(), version.dimension());
    for (int mask = 0; mask < TMaskUtil::PatternCount; ++mask) {
        TMatrixUtil::buildMatrix(codewords, TErrorCorrectionLevel::L(), version, mask, trial);
        penalties[static_cast<std::size_t>(mask)] = TMaskUtil::penalty(trial);
    }
    return lowestPenaltyMask(penalties);
}

void TEncoder::check(bool consistent)
{
    if (!consistent)
        m_internalError = true;
}
