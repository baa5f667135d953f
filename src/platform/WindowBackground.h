#pragma once

#include <QColor>

class QWidget;

// The light top of every window's background, running into a darker grey towards the bottom.
class WindowBackground {
public:
    // Called from a window's paintEvent.
    static void paintGradient(QWidget &window, const QColor &bottom);
    // For the windows whose gradient starts from a top colour of their own.
    static void paintGradient(QWidget &window, const QColor &top, const QColor &bottom);
};
