#pragma once

class TBitArray;
class TByteMatrix;
class TErrorCorrectionLevel;
class TVersion;

// Lays out a symbol as ISO/IEC 18004 prescribes: function patterns, format and version information,
// the codewords in their zigzag path, and the data mask.
class TMatrixUtil {
public:
    // Builds the complete symbol for one mask into matrix, reusing its cells when it already has the
    // version's size. Returns false when the codewords do not fill the data area exactly,
    // that is, when bits are left over or more than the seven remainder bits stay unused.
    static bool buildMatrix(const TBitArray &codewords, const TErrorCorrectionLevel &level, const TVersion &version,
                            int mask, TByteMatrix &matrix);

    // The 15 format bits: level and mask, BCH(15,5) protected, XORed with 101010000010010.
    static int formatInformation(const TErrorCorrectionLevel &level, int mask);
    // The 18 version bits: the version number, BCH(18,6) protected.
    static int versionInformation(int version);
};
