#include "qr/TErrorCorrectionLevel.h"

const TErrorCorrectionLevel &TErrorCorrectionLevel::L()
{
    static const TErrorCorrectionLevel level(0b01);
    return level;
}
