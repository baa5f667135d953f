#include "ZbarReader.h"

#include <zbar.h>

#include <vector>

// zbar.h puts its C interface into namespace zbar when compiled as C++.
using namespace zbar;

namespace {

constexpr int QuietZone = 4;
constexpr int PixelsPerModule = 4;

std::vector<unsigned char> render(int modulesPerSide, const ZbarReader::ModuleColour &isDark, int side)
{
    std::vector<unsigned char> pixels(static_cast<std::size_t>(side) * static_cast<std::size_t>(side), 255);
    for (int y = 0; y < modulesPerSide; ++y) {
        for (int x = 0; x < modulesPerSide; ++x) {
            if (!isDark(x, y))
                continue;
            for (int py = 0; py < PixelsPerModule; ++py)
                for (int px = 0; px < PixelsPerModule; ++px)
                    pixels[static_cast<std::size_t>(((y + QuietZone) * PixelsPerModule + py) * side
                                                    + (x + QuietZone) * PixelsPerModule + px)]
                        = 0;
        }
    }
    return pixels;
}

} // namespace

std::optional<QByteArray> ZbarReader::decode(int modulesPerSide, const ModuleColour &isDark)
{
    const int side = (modulesPerSide + 2 * QuietZone) * PixelsPerModule;
    const std::vector<unsigned char> pixels = render(modulesPerSide, isDark, side);
    return decodeGrey(pixels.data(), side, side);
}

std::optional<QByteArray> ZbarReader::decodeGrey(const unsigned char *pixels, int width, int height)
{
    zbar_image_scanner_t *scanner = zbar_image_scanner_create();
    zbar_image_scanner_set_config(scanner, ZBAR_NONE, ZBAR_CFG_ENABLE, 0);
    zbar_image_scanner_set_config(scanner, ZBAR_QRCODE, ZBAR_CFG_ENABLE, 1);
    zbar_image_scanner_set_config(scanner, ZBAR_QRCODE, ZBAR_CFG_BINARY, 1);
    zbar_image_t *image = zbar_image_create();
    zbar_image_set_format(image, zbar_fourcc('Y', '8', '0', '0'));
    zbar_image_set_size(image, static_cast<unsigned>(width), static_cast<unsigned>(height));
    zbar_image_set_data(image, pixels, static_cast<unsigned long>(width) * static_cast<unsigned long>(height), nullptr);

    std::optional<QByteArray> result;
    if (zbar_scan_image(scanner, image) > 0) {
        const zbar_symbol_t *symbol = zbar_image_first_symbol(image);
        result = QByteArray(zbar_symbol_get_data(symbol), static_cast<qsizetype>(zbar_symbol_get_data_length(symbol)));
    }
    zbar_image_destroy(image);
    zbar_image_scanner_destroy(scanner);
    return result;
}
