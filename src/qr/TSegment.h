#pragma once

#include "qr/TMode.h"

#include <string>

// The content as it goes into the symbol: the mode and, after filtering, the characters (numeric and
// alphanumeric mode, as ASCII) or the bytes (byte mode). Its length is the character count field.
struct TSegment {
    TMode mode;
    std::string content;
};
