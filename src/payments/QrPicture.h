#pragma once

#include <QImage>

#include <functional>

class QPainter;
class QSize;
class TQRCodeGenerator;

// The symbol as a picture of one pixel per module, and that picture painted into the window's box.
class QrPicture {
public:
    using IsBlack = std::function<bool(int row, int column)>;

    // Black where the module is dark, white elsewhere; empty for a side of 0.
    static QImage fromModules(int side, const IsBlack &isBlack);
    static QImage fromGenerator(const TQRCodeGenerator &generator);
    // White box; the picture stretched from the top-left corner by the factor of the box's shorter
    // side, so a module is a few pixels wide, some one pixel wider than others.
    static void paint(QPainter &painter, const QSize &box, const QImage &picture);
};
