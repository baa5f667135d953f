#include "settings/ScreenPlacement.h"

#include <algorithm>

namespace {

int clamped(int wanted, int extent, int first, int available)
{
    return std::max(first, std::min(wanted, first + available - extent));
}

} // namespace

QPoint ScreenPlacement::within(QPoint wanted, QSize size, const QRect &available)
{
    return {clamped(wanted.x(), size.width(), available.left(), available.width()),
            clamped(wanted.y(), size.height(), available.top(), available.height())};
}

QPoint ScreenPlacement::centredOver(const QRect &owner, QSize size, const QRect &available)
{
    const QPoint topLeft(owner.left() + (owner.width() - size.width()) / 2,
                         owner.top() + (owner.height() - size.height()) / 2);
    return within(topLeft, size, available);
}
