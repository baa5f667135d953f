#pragma once

#include "qr/TQRCode.h"
#include "qr/TSegment.h"

#include <QString>

#include <array>

class TBitArray;
class TVersion;

// Turns a text into a QR Code symbol at level L: mode, bit stream, version, error correction, mask.
class TEncoder {
public:
    // The encoding options of the payment window. Options 4 and 5 write the byte-order mark the other
    // way round from what their captions ("UTF-8 without BOM", "UTF-8 with BOM") say; the names here
    // say what they do.
    enum TOption {
        Auto = 0,
        Numeric = 1,
        Alphanumeric = 2,
        Latin1 = 3,
        Utf8WithByteOrderMark = 4,
        Utf8 = 5,
    };

    enum class TResult { Encoded, DoesNotFit };

    // DoesNotFit, with code left as it was, when the content exceeds version 40 at level L.
    TResult encode(const QString &text, int option, TQRCode &code);
    // Set by the last encode when its own arithmetic did not add up (more bits than room, blocks that
    // do not match the version, a count too wide for its field). The symbol is produced all the same.
    bool hasInternalError() const { return m_internalError; }

    // Mode choice and filtering: what the symbol will hold for this text and option. Options outside
    // 0 to 5 behave as Auto.
    static TSegment makeSegment(const QString &text, int option);
    // The smallest version from 1 to 40 that holds the segment at level L, or 0 when none does.
    static int chooseVersion(const TSegment &segment);
    // The mask with the lowest penalty; on a tie the lower mask number.
    static int lowestPenaltyMask(const std::array<int, 8> &penalties);
    // The data codewords before error correction: header, content, terminator and pad bytes.
    TBitArray dataCodewords(const TSegment &segment, const TVersion &version);

private:
    TBitArray headedBits(const TSegment &segment, const TVersion &version);
    TBitArray terminatedAndPadded(TBitArray bits, const TVersion &version);
    TBitArray interleavedWithErrorCorrection(const TBitArray &data, const TVersion &version);
    int chooseMask(const TBitArray &codewords, const TVersion &version);
    void check(bool consistent);

    bool m_internalError = false;
};
