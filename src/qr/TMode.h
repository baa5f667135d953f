#pragma once

// The data modes this encoder writes (ISO/IEC 18004); kanji and mixed segments are never used.
enum class TMode { Numeric, Alphanumeric, Byte };

// The 4-bit mode indicator that starts a segment.
int modeIndicator(TMode mode);
// Width of the character count field, which grows with the version (1-9, 10-26, 27-40).
int characterCountBits(TMode mode, int version);
// Position of a character in the 45-character alphanumeric set, or -1 when it is not in the set.
int alphanumericValue(char16_t character);
