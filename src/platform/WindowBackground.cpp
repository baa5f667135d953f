#include "platform/WindowBackground.h"

#include <QLinearGradient>
#include <QPainter>
#include <QWidget>

void WindowBackground::paintGradient(QWidget &window, const QColor &bottom)
{
    paintGradient(window, QColor(245, 241, 238), bottom);
}

void WindowBackground::paintGradient(QWidget &window, const QColor &top, const QColor &bottom)
{
    QLinearGradient gradient(0, 0, 0, window.height());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    QPainter(&window).fillRect(window.rect(), gradient);
}
