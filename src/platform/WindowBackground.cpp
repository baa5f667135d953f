#include "platform/WindowBackground.h"

#include <QLinearGradient>
#include <QPainter>
#include <QWidget>

void WindowBackground::paintGradient(QWidget &window, const QColor &bottom)
{
    QLinearGradient gradient(0, 0, 0, window.height());
    gradient.setColorAt(0, QColor(245, 241, 238));
    gradient.setColorAt(1, bottom);
    QPainter(&window).fillRect(window.rect(), gradient);
}
