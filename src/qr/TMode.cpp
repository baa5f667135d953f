#include "qr/TMode.h"

#include <string_view>

int modeIndicator(TMode mode)
{
    switch (mode) {
    case TMode::Numeric: return 0b0001;
    case TMode::Alphanumeric: return 0b0010;
    case TMode::Byte: break;
    }
    return 0b0100;
}

int characterCountBits(TMode mode, int version)
{
    const int range = version <= 9 ? 0 : version <= 26 ? 1 : 2;
    static constexpr int kNumericBits[] = {10, 12, 14};
    static constexpr int kAlphanumericBits[] = {9, 11, 13};
    static constexpr int kByteBits[] = {8, 16, 16};
    switch (mode) {
    case TMode::Numeric: return kNumericBits[range];
    case TMode::Alphanumeric: return kAlphanumericBits[range];
    case TMode::Byte: break;
    }
    return kByteBits[range];
}

int alphanumericValue(char16_t character)
{
    static constexpr std::u16string_view kAlphanumericSet = u"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ $%*+-./:";
    const std::size_t position = kAlphanumericSet.find(character);
    return position == std::u16string_view::npos ? -1 : static_cast<int>(position);
}
