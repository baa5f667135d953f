#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a window of a given size stands so that it lies wholly within the screen's available area (or,
// when it is larger, starts at its top left corner): a window placed partly off the screen cannot be
// moved back by its title bar.
class ScreenPlacement {
public:
    static QPoint within(QPoint wanted, QSize size, const QRect &available);
    static QPoint centredOver(const QRect &owner, QSize size, const QRect &available);
};
