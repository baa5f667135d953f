#include "ZbarReader.h"

#include "qr/TBitArray.h"
#include "qr/TEncoder.h"
#include "qr/TErrorCorrectionLevel.h"
#include "qr/TGenericGF.h"
#include "qr/TMaskUtil.h"
#include "qr/TMatrixUtil.h"
#include "qr/TQRCodeGenerator.h"
#include "qr/TReedSolomonEncoder.h"
#include "qr/TVersion.h"

#include <QtTest>

namespace {

std::optional<QByteArray> decode(const TByteMatrix &matrix)
{
    return ZbarReader::decode(matrix.width(), [&](int x, int y) { return matrix.get(x, y) == TByteMatrix::Dark; });
}

TQRCode encodeWithoutInternalError(const QString &text, int option)
{
    TEncoder encoder;
    TQRCode code;
    if (encoder.encode(text, option, code) != TEncoder::TResult::Encoded)
        qFatal("content expected to fit");
    if (encoder.hasInternalError())
        qFatal("encoder reported an internal inconsistency");
    return code;
}

// Every byte value in turn, so that the symbol carries controls, NUL and the upper half as well.
QByteArray allByteValues(int length)
{
    QByteArray bytes;
    for (int i = 0; i < length; ++i)
        bytes.append(static_cast<char>((i + 1) % 256));
    return bytes;
}

// '1' dark, anything else light; all rows as long as the first.
TByteMatrix matrixFrom(const QStringList &rows)
{
    TByteMatrix matrix(static_cast<int>(rows.first().size()), static_cast<int>(rows.size()));
    for (int y = 0; y < matrix.height(); ++y)
        for (int x = 0; x < matrix.width(); ++x)
            matrix.setDark(x, y, rows[y][x] == u'1');
    return matrix;
}

// The symbol with no data bits: function patterns and format information for the mask, and every
// data module set exactly where the mask inverts.
TByteMatrix maskOnly(int version, int mask)
{
    TByteMatrix matrix(0, 0);
    TMatrixUtil::buildMatrix(TBitArray(), TErrorCorrectionLevel::L(), *TVersion::forNumber(version), mask, matrix);
    return matrix;
}

// A finished symbol as it would look with another mask: XOR with the two mask-only symbols swaps
// both the data mask and the format information and leaves every other function module alone.
TByteMatrix remasked(const TQRCode &code, int mask)
{
    const TByteMatrix from = maskOnly(code.version(), code.maskPattern());
    const TByteMatrix to = maskOnly(code.version(), mask);
    TByteMatrix result = code.matrix();
    for (int y = 0; y < result.height(); ++y)
        for (int x = 0; x < result.width(); ++x)
            result.set(x, y, code.matrix().get(x, y) ^ from.get(x, y) ^ to.get(x, y));
    return result;
}

// Format information copy 1 around the upper left finder, copy 2 split between the other two
// finders; copy 0 is none.
bool inFormatCopy(int copy, int x, int y, int size)
{
    if (copy == 0)
        return false;
    if (copy == 1)
        return (x == 8 && y <= 8) || (y == 8 && x <= 8);
    return (y == 8 && x >= size - 8) || (x == 8 && y >= size - 7);
}

} // namespace

class TestQr : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // What zbar reads back from our symbols.
    void everyVersionDecodesAndIsChosenAtItsCapacity_data();
    void everyVersionDecodesAndIsChosenAtItsCapacity();
    void optionsDecodeToTheirBytes_data();
    void optionsDecodeToTheirBytes();
    void everyMaskDecodesFromEitherFormatCopy_data();
    void everyMaskDecodesFromEitherFormatCopy();

    // What no decoder can see.
    void segmentForTextAndOption_data();
    void segmentForTextAndOption();
    void versionAtCapacityBoundaries_data();
    void versionAtCapacityBoundaries();
    void penaltyRules_data();
    void penaltyRules();
    void balancePenalty_data();
    void balancePenalty();
    void lowestPenaltyMaskKeepsTheLowerOnTie_data();
    void lowestPenaltyMaskKeepsTheLowerOnTie();
    void chosenMaskHasTheLowestPenalty_data();
    void chosenMaskHasTheLowestPenalty();
    void formatAndVersionInformationMatchTheStandardTables();
    void functionPatternsMatchTheStandardDrawings_data();
    void functionPatternsMatchTheStandardDrawings();
    void dataCodewords_data();
    void dataCodewords();
    void reedSolomonMatchesTheStandardExample();
    void encodingIsDeterministic();

    // The generator the payment window uses.
    void generatorStartsWithoutSymbol();
    void generatorQuietZone_data();
    void generatorQuietZone();
    void generatorPlacesTheSymbolInsideTheMargin();
    void generatorIgnoresUnknownEncoding();
    void generatorReportsContentTooLarge();
};

void TestQr::everyVersionDecodesAndIsChosenAtItsCapacity_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("capacity");
    // Byte mode capacity at level L, ISO/IEC 18004 table 7.
    static constexpr int capacities[] = {17,   32,   53,   78,   106,  134,  154,  192,  230,  271,
                                         321,  367,  425,  458,  520,  586,  644,  718,  792,  858,
                                         929,  1003, 1091, 1171, 1273, 1367, 1465, 1528, 1628, 1732,
                                         1840, 1952, 2068, 2188, 2303, 2431, 2563, 2699, 2809, 2953};
    for (int version = 1; version <= 40; ++version)
        QTest::addRow("version %d", version) << version << capacities[version - 1];
}

void TestQr::everyVersionDecodesAndIsChosenAtItsCapacity()
{
    QFETCH(int, version);
    QFETCH(int, capacity);
    const QByteArray bytes = allByteValues(capacity);

    const TQRCode code = encodeWithoutInternalError(QString::fromLatin1(bytes), TEncoder::Latin1);
    QCOMPARE(code.version(), version);
    QCOMPARE(code.matrix().width(), 17 + 4 * version);
    QCOMPARE(decode(code.matrix()), bytes);

    const int versionForOneMore = TEncoder::chooseVersion(TEncoder::makeSegment(QString::fromLatin1(allByteValues(capacity + 1)), TEncoder::Latin1));
    QCOMPARE(versionForOneMore, version == 40 ? 0 : version + 1);
}

void TestQr::optionsDecodeToTheirBytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("option");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("numeric") << "0123456789012" << 0 << QByteArray("0123456789012");
    QTest::newRow("alphanumeric, odd length") << "HELLO WORLD $%*+-./:1" << 0 << QByteArray("HELLO WORLD $%*+-./:1");
    QTest::newRow("explicit numeric filters") << "12 a3-4" << 1 << QByteArray("1234");
    QTest::newRow("ISO-8859-1 by content") << u"Grüße\r\nZeile"_qs << 0 << QByteArray("Gr\xFC\xDF" "e\r\nZeile");
    QTest::newRow("option 4 writes EF BB BF") << u"Grüße"_qs << 4 << QByteArray("\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F" "e");
    QTest::newRow("option 5 writes no mark") << u"Grüße"_qs << 5 << QByteArray("Gr\xC3\xBC\xC3\x9F" "e");
    QTest::newRow("empty text, mark only") << QString() << 4 << QByteArray("\xEF\xBB\xBF");
}

void TestQr::optionsDecodeToTheirBytes()
{
    QFETCH(QString, text);
    QFETCH(int, option);
    QFETCH(QByteArray, bytes);
    // Data first, then the option, as the payment window sets them: the option change must encode again.
    TQRCodeGenerator generator;
    generator.setData(text);
    generator.setEncoding(option);
    QCOMPARE(generator.QuietZone(), 4);
    const int size = generator.Rows() - 8;
    QCOMPARE(ZbarReader::decode(size, [&](int x, int y) { return generator.IsBlack(y + 4, x + 4); }), bytes);
}

void TestQr::everyMaskDecodesFromEitherFormatCopy_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("destroyedCopy");
    for (int mask = 0; mask < 8; ++mask) {
        QTest::addRow("mask %d", mask) << mask << 0;
        QTest::addRow("mask %d, upper left format copy destroyed", mask) << mask << 1;
        QTest::addRow("mask %d, split format copy destroyed", mask) << mask << 2;
    }
}

void TestQr::everyMaskDecodesFromEitherFormatCopy()
{
    QFETCH(int, mask);
    QFETCH(int, destroyedCopy);
    const QByteArray text = "FORMAT INFORMATION TEST 0123456789";
    const TByteMatrix matrix = remasked(encodeWithoutInternalError(QString::fromLatin1(text), TEncoder::Auto), mask);
    const int size = matrix.width();
    // Dark everywhere in that copy except the timing and dark modules it crosses: no readable format.
    const auto isDark = [&](int x, int y) {
        const bool fixed = x == 6 || y == 6 || (x == 8 && y == size - 8);
        if (inFormatCopy(destroyedCopy, x, y, size) && !fixed)
            return true;
        return matrix.get(x, y) == TByteMatrix::Dark;
    };
    QCOMPARE(ZbarReader::decode(size, isDark), std::optional<QByteArray>(text));
}

void TestQr::segmentForTextAndOption_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("option");
    QTest::addColumn<TMode>("mode");
    QTest::addColumn<QByteArray>("content");
    const TMode numeric = TMode::Numeric;
    const TMode alphanumeric = TMode::Alphanumeric;
    const TMode byte = TMode::Byte;
    QTest::newRow("auto: digits") << "12345" << 0 << numeric << QByteArray("12345");
    QTest::newRow("auto: alphanumeric set") << "ABC-12 $%*+./:" << 0 << alphanumeric << QByteArray("ABC-12 $%*+./:");
    QTest::newRow("auto: line break") << "ABC\n12" << 0 << byte << QByteArray("ABC\n12");
    QTest::newRow("auto: lower case") << "ABc" << 0 << byte << QByteArray("ABc");
    QTest::newRow("auto: German letters as ISO-8859-1") << u"Grüße"_qs << 0 << byte << QByteArray("Gr\xFC\xDF" "e");
    QTest::newRow("auto: euro sign gives mark and UTF-8")
        << u"Grüße €"_qs << 0 << byte << QByteArray("\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC");
    QTest::newRow("auto: empty") << QString() << 0 << byte << QByteArray("\xEF\xBB\xBF");
    QTest::newRow("numeric keeps digits") << "1 2a3" << 1 << numeric << QByteArray("123");
    QTest::newRow("alphanumeric keeps its set") << "ab-C1" << 2 << alphanumeric << QByteArray("-C1");
    QTest::newRow("ISO-8859-1 drops above 255") << u"a€b\U0001F600c"_qs << 3 << byte << QByteArray("abc");
    QTest::newRow("ISO-8859-1 for digits") << "12345" << 3 << byte << QByteArray("12345");
    QTest::newRow("option 4: mark and UTF-8") << u"ä\U0001F600"_qs << 4 << byte << QByteArray("\xEF\xBB\xBF\xC3\xA4\xF0\x9F\x98\x80");
    QTest::newRow("option 5: UTF-8 only") << u"ä"_qs << 5 << byte << QByteArray("\xC3\xA4");
    QTest::newRow("unknown option as auto") << "12345" << 9 << numeric << QByteArray("12345");
}

void TestQr::segmentForTextAndOption()
{
    QFETCH(QString, text);
    QFETCH(int, option);
    QFETCH(TMode, mode);
    QFETCH(QByteArray, content);
    const TSegment segment = TEncoder::makeSegment(text, option);
    QCOMPARE(segment.mode, mode);
    QCOMPARE(QByteArray::fromStdString(segment.content), content);
    QCOMPARE(encodeWithoutInternalError(text, option).mode(), mode);
}

void TestQr::versionAtCapacityBoundaries_data()
{
    QTest::addColumn<char>("character");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("version");
    // Byte mode boundaries of every version are checked with zbar above.
    QTest::newRow("numeric fills version 1") << '7' << 41 << 1;
    QTest::newRow("numeric one more") << '7' << 42 << 2;
    QTest::newRow("numeric fills version 10") << '7' << 652 << 10;
    QTest::newRow("numeric fits 10 only with the short count") << '7' << 653 << 11;
    QTest::newRow("numeric fills version 40") << '7' << 7089 << 40;
    QTest::newRow("numeric too long") << '7' << 7090 << 0;
    QTest::newRow("alphanumeric fills version 1") << 'A' << 25 << 1;
    QTest::newRow("alphanumeric one more") << 'A' << 26 << 2;
    QTest::newRow("alphanumeric fills version 10") << 'A' << 395 << 10;
    QTest::newRow("alphanumeric fits 10 only with the short count") << 'A' << 396 << 11;
    QTest::newRow("alphanumeric fills version 40") << 'A' << 4296 << 40;
    QTest::newRow("alphanumeric too long") << 'A' << 4297 << 0;
}

void TestQr::versionAtCapacityBoundaries()
{
    QFETCH(char, character);
    QFETCH(int, length);
    QFETCH(int, version);
    const QString text(length, QLatin1Char(character));
    QCOMPARE(TEncoder::chooseVersion(TEncoder::makeSegment(text, TEncoder::Auto)), version);
    if (version == 0)
        return;
    const TQRCode code = encodeWithoutInternalError(text, TEncoder::Auto);
    QCOMPARE(decode(code.matrix()), text.toLatin1());
}

void TestQr::penaltyRules_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("rule");
    QTest::addColumn<int>("penalty");
    QTest::newRow("run of four") << QStringList{"1111"} << 1 << 0;
    QTest::newRow("run of five") << QStringList{"11111"} << 1 << 3;
    QTest::newRow("light run of seven") << QStringList{"0000000"} << 1 << 5;
    QTest::newRow("runs do not continue into the next row") << QStringList{"10111", "11010"} << 1 << 0;
    QTest::newRow("column run of six") << QStringList{"1", "1", "1", "1", "1", "1"} << 1 << 4;
    QTest::newRow("rows and columns") << QStringList{"11111", "11111", "11111", "11111", "11111"} << 1 << 30;
    QTest::newRow("one dark block") << QStringList{"110", "111"} << 2 << 3;
    QTest::newRow("overlapping light blocks") << QStringList{"000", "000", "000"} << 2 << 12;
    QTest::newRow("checkerboard") << QStringList{"101", "010", "101"} << 2 << 0;
    QTest::newRow("finder then four light") << QStringList{"10111010000"} << 3 << 40;
    QTest::newRow("four light then finder") << QStringList{"00001011101"} << 3 << 40;
    QTest::newRow("light on both sides counts once") << QStringList{"000010111010000"} << 3 << 40;
    QTest::newRow("the edge is not light") << QStringList{"1011101000"} << 3 << 0;
    QTest::newRow("three light on each side") << QStringList{"0001011101000"} << 3 << 0;
    QTest::newRow("two positions") << QStringList{"101110100001011101"} << 3 << 80;
    QTest::newRow("vertical") << QStringList{"1", "0", "1", "1", "1", "0", "1", "0", "0", "0", "0"} << 3 << 40;
}

void TestQr::penaltyRules()
{
    QFETCH(QStringList, rows);
    QFETCH(int, rule);
    QFETCH(int, penalty);
    static constexpr int (*rules[])(const TByteMatrix &) = {TMaskUtil::runPenalty, TMaskUtil::blockPenalty,
                                                            TMaskUtil::finderLikePenalty};
    QCOMPARE(rules[rule - 1](matrixFrom(rows)), penalty);
}

void TestQr::balancePenalty_data()
{
    QTest::addColumn<int>("modules");
    QTest::addColumn<int>("dark");
    QTest::addColumn<int>("penalty");
    QTest::newRow("57.3 %") << 1000 << 573 << 10;
    QTest::newRow("55 %") << 100 << 55 << 10;
    QTest::newRow("52 %") << 100 << 52 << 0;
    QTest::newRow("46 %") << 100 << 46 << 0;
    QTest::newRow("44 %") << 100 << 44 << 10;
    QTest::newRow("all light") << 100 << 0 << 100;
    QTest::newRow("all dark") << 100 << 100 << 100;
}

void TestQr::balancePenalty()
{
    QFETCH(int, modules);
    QFETCH(int, dark);
    QFETCH(int, penalty);
    TByteMatrix matrix(modules, 1);
    for (int x = 0; x < modules; ++x)
        matrix.setDark(x, 0, x < dark);
    QCOMPARE(TMaskUtil::balancePenalty(matrix), penalty);
}

void TestQr::lowestPenaltyMaskKeepsTheLowerOnTie_data()
{
    QTest::addColumn<QList<int>>("penalties");
    QTest::addColumn<int>("mask");
    QTest::newRow("single lowest") << QList<int>{500, 400, 300, 350, 900, 301, 302, 303} << 2;
    QTest::newRow("tie") << QList<int>{500, 400, 300, 350, 900, 300, 302, 300} << 2;
    QTest::newRow("all equal") << QList<int>{7, 7, 7, 7, 7, 7, 7, 7} << 0;
    QTest::newRow("last") << QList<int>{9, 9, 9, 9, 9, 9, 9, 8} << 7;
}

void TestQr::lowestPenaltyMaskKeepsTheLowerOnTie()
{
    QFETCH(QList<int>, penalties);
    QFETCH(int, mask);
    std::array<int, 8> values{};
    std::copy(penalties.begin(), penalties.end(), values.begin());
    QCOMPARE(TEncoder::lowestPenaltyMask(values), mask);
}

void TestQr::chosenMaskHasTheLowestPenalty_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("version 1") << "12345";
    QTest::newRow("version 5") << QString(100, u'x');
    QTest::newRow("version 8, with version information") << QString::fromLatin1(allByteValues(180));
}

void TestQr::chosenMaskHasTheLowestPenalty()
{
    QFETCH(QString, text);
    const TQRCode code = encodeWithoutInternalError(text, TEncoder::Auto);
    const int chosen = code.maskPattern();
    const int chosenPenalty = TMaskUtil::penalty(code.matrix());
    for (int mask = 0; mask < 8; ++mask) {
        const TByteMatrix other = remasked(code, mask);
        if (mask < chosen)
            QVERIFY2(TMaskUtil::penalty(other) > chosenPenalty, qPrintable(QString("mask %1").arg(mask)));
        else
            QVERIFY2(TMaskUtil::penalty(other) >= chosenPenalty, qPrintable(QString("mask %1").arg(mask)));
    }
    QCOMPARE(remasked(code, chosen), code.matrix());
}

void TestQr::formatAndVersionInformationMatchTheStandardTables()
{
    static constexpr int formatL[] = {0b111011111000100, 0b111001011110011, 0b111110110101010, 0b111100010011101,
                                      0b110011000101111, 0b110001100011000, 0b110110001000001, 0b110100101110110};
    for (int mask = 0; mask < 8; ++mask)
        QCOMPARE(TMatrixUtil::formatInformation(TErrorCorrectionLevel::L(), mask), formatL[mask]);
    QCOMPARE(TMatrixUtil::versionInformation(7), 0x07C94);
    QCOMPARE(TMatrixUtil::versionInformation(21), 0x15683);
    QCOMPARE(TMatrixUtil::versionInformation(40), 0x28C69);
}

void TestQr::functionPatternsMatchTheStandardDrawings_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<QList<int>>("alignmentCentres");
    QTest::addColumn<int>("versionBits");
    QTest::newRow("1") << 1 << QList<int>{} << 0;
    QTest::newRow("2") << 2 << QList<int>{6, 18} << 0;
    QTest::newRow("7") << 7 << QList<int>{6, 22, 38} << 0x07C94;
    QTest::newRow("40") << 40 << QList<int>{6, 30, 58, 86, 114, 142, 170} << 0x28C69;
}

// Module by module against the drawings of ISO/IEC 18004: a tolerant decoder reads symbols whose
// patterns are wrong, a stricter scanner does not.
void TestQr::functionPatternsMatchTheStandardDrawings()
{
    QFETCH(int, version);
    QFETCH(QList<int>, alignmentCentres);
    QFETCH(int, versionBits);
    // Upper left finder with its separator; the other two are its mirror images.
    const QStringList finder{"11111110", "10000010", "10111010", "10111010",
                             "10111010", "10000010", "11111110", "00000000"};
    const QStringList alignment{"11111", "10001", "10101", "10001", "11111"};
    const int size = 17 + 4 * version;
    const int mask = 5;
    const TByteMatrix symbol = maskOnly(version, mask);
    const auto dark = [&](int x, int y) { return symbol.get(x, y) == TByteMatrix::Dark; };

    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool expected = finder[y][x] == u'1';
            QVERIFY2(dark(x, y) == expected, "upper left finder");
            QVERIFY2(dark(size - 1 - x, y) == expected, "upper right finder");
            QVERIFY2(dark(x, size - 1 - y) == expected, "lower left finder");
        }
    }
    for (int i = 8; i < size - 8; ++i) {
        QVERIFY2(dark(i, 6) == (i % 2 == 0), "horizontal timing");
        QVERIFY2(dark(6, i) == (i % 2 == 0), "vertical timing");
    }
    for (const int cy : alignmentCentres) {
        for (const int cx : alignmentCentres) {
            const bool onFinder = (cx == 6 && cy == 6) || (cx == 6 && cy == alignmentCentres.last())
                || (cx == alignmentCentres.last() && cy == 6);
            for (int y = 0; y < 5 && !onFinder; ++y)
                for (int x = 0; x < 5; ++x)
                    QVERIFY2(dark(cx - 2 + x, cy - 2 + y) == (alignment[y][x] == u'1'), "alignment pattern");
        }
    }
    QVERIFY2(dark(8, size - 8), "dark module");

    // Format bits 0 to 14 (mask 5 at level L) in both copies, bit 0 first.
    const int format = 0b110001100011000;
    const QList<QPoint> copy1{{8, 0}, {8, 1}, {8, 2}, {8, 3}, {8, 4}, {8, 5}, {8, 7}, {8, 8},
                              {7, 8}, {5, 8}, {4, 8}, {3, 8}, {2, 8}, {1, 8}, {0, 8}};
    for (int bit = 0; bit < 15; ++bit) {
        const bool expected = (format >> bit) & 1;
        QVERIFY2(dark(copy1[bit].x(), copy1[bit].y()) == expected, "format information, first copy");
        const QPoint second = bit < 8 ? QPoint(size - 1 - bit, 8) : QPoint(8, size - 15 + bit);
        QVERIFY2(dark(second.x(), second.y()) == expected, "format information, second copy");
    }
    // Version bits 0 to 17 down the three rows of each column of the lower left block, the upper right
    // block its transpose.
    for (int bit = 0; versionBits != 0 && bit < 18; ++bit) {
        const bool expected = (versionBits >> bit) & 1;
        QVERIFY2(dark(bit / 3, size - 11 + bit % 3) == expected, "version information, lower left");
        QVERIFY2(dark(size - 11 + bit % 3, bit / 3) == expected, "version information, upper right");
    }
}

void TestQr::dataCodewords_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("option");
    QTest::addColumn<QByteArray>("codewords");
    // Worked by hand from ISO/IEC 18004; the first six bytes are those of its annex I example.
    QTest::newRow("numeric, pad bytes from EC")
        << "01234567" << 0 << QByteArray::fromHex("10200C566180" "EC11EC11EC11EC11EC11EC11EC");
    QTest::newRow("byte mode, four terminator bits, no pad")
        << QString(17, u'A') << 3 << QByteArray::fromHex("41" "1414141414141414141414141414141414" "10");
    QTest::newRow("terminator reaches into a new byte")
        << "12" << 0 << QByteArray::fromHex("10086000" "EC11EC11EC11EC11EC11EC11EC11EC");
    QTest::newRow("terminator after a byte boundary")
        << "0123456789" << 0 << QByteArray::fromHex("10280C566A6900" "EC11EC11EC11EC11EC11EC11");
}

void TestQr::dataCodewords()
{
    QFETCH(QString, text);
    QFETCH(int, option);
    QFETCH(QByteArray, codewords);
    TEncoder encoder;
    const std::vector<uint8_t> bytes = encoder.dataCodewords(TEncoder::makeSegment(text, option), *TVersion::forNumber(1)).bytes();
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(bytes.data()), static_cast<qsizetype>(bytes.size())), codewords);
    QVERIFY(!encoder.hasInternalError());
}

void TestQr::reedSolomonMatchesTheStandardExample()
{
    // "01234567" as version 1-M, ISO/IEC 18004 annex I.
    const std::vector<uint8_t> data = {0x10, 0x20, 0x0C, 0x56, 0x61, 0x80, 0xEC, 0x11,
                                       0xEC, 0x11, 0xEC, 0x11, 0xEC, 0x11, 0xEC, 0x11};
    const std::vector<uint8_t> check = {0xA5, 0x24, 0xD4, 0xC1, 0xED, 0x36, 0xC7, 0x87, 0x2C, 0x55};
    TReedSolomonEncoder encoder(TGenericGF::qrCodeField256());
    QCOMPARE(encoder.errorCorrectionBytes(data, 10), check);
}

void TestQr::encodingIsDeterministic()
{
    const QString text = QString::fromLatin1(allByteValues(300));
    TEncoder encoder;
    TQRCode first;
    TQRCode second;
    encoder.encode(text, TEncoder::Auto, first);
    encoder.encode(text, TEncoder::Auto, second);
    QCOMPARE(first.maskPattern(), second.maskPattern());
    QVERIFY(first.matrix() == second.matrix());
}

void TestQr::generatorStartsWithoutSymbol()
{
    const TQRCodeGenerator generator;
    QCOMPARE(generator.Data(), QString());
    QCOMPARE(generator.Encoding(), 0);
    QCOMPARE(generator.QuietZone(), 4);
    QCOMPARE(generator.state(), TQRCodeGenerator::TState::NoSymbol);
    QCOMPARE(generator.Rows(), 0);
    QCOMPARE(generator.Columns(), 0);
    QVERIFY(!generator.IsBlack(4, 4));
}

void TestQr::generatorQuietZone_data()
{
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("quietZone");
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("largest") << 100 << 100;
    QTest::newRow("101 ignored") << 101 << 4;
    QTest::newRow("-1 ignored") << -1 << 4;
}

void TestQr::generatorQuietZone()
{
    QFETCH(int, requested);
    QFETCH(int, quietZone);
    TQRCodeGenerator generator;
    generator.setData("A");
    generator.setQuietZone(requested);
    QCOMPARE(generator.QuietZone(), quietZone);
    QCOMPARE(generator.Rows(), 21 + 2 * quietZone);
    QCOMPARE(generator.Columns(), generator.Rows());
}

void TestQr::generatorPlacesTheSymbolInsideTheMargin()
{
    const QString text = "Rechnung 2024-017";
    const TQRCode code = encodeWithoutInternalError(text, TEncoder::Auto);
    TQRCodeGenerator generator;
    generator.setData(text);
    generator.setQuietZone(3);
    const int size = code.matrix().width();
    QCOMPARE(generator.Rows(), size + 6);
    // One beyond the margin on every side, to see that nothing outside the symbol is dark.
    for (int row = -1; row <= generator.Rows(); ++row) {
        for (int column = -1; column <= generator.Columns(); ++column) {
            const int x = column - 3;
            const int y = row - 3;
            const bool inside = x >= 0 && y >= 0 && x < size && y < size;
            const bool expected = inside && code.matrix().get(x, y) == TByteMatrix::Dark;
            QVERIFY2(generator.IsBlack(row, column) == expected, qPrintable(QString("row %1 column %2").arg(row).arg(column)));
        }
    }
}

void TestQr::generatorIgnoresUnknownEncoding()
{
    TQRCodeGenerator generator;
    generator.setData("x");
    generator.setEncoding(6);
    QCOMPARE(generator.Encoding(), 0);
    generator.setEncoding(-1);
    QCOMPARE(generator.Encoding(), 0);
}

void TestQr::generatorReportsContentTooLarge()
{
    TQRCodeGenerator generator;
    generator.setData(QString(2954, u'x'));
    QCOMPARE(generator.state(), TQRCodeGenerator::TState::ContentTooLarge);
    QCOMPARE(generator.Rows(), 0);
    QCOMPARE(generator.Columns(), 0);
    QVERIFY(!generator.IsBlack(4, 4));

    generator.setData(QString(2953, u'x'));
    QCOMPARE(generator.state(), TQRCodeGenerator::TState::Encoded);
    QCOMPARE(generator.Rows(), 177 + 8);
}

QTEST_GUILESS_MAIN(TestQr)
#include "TestQr.moc"
