#include "platform/DesktopPointerSynth.h"

#include <QGuiApplication>

#ifdef ZETTMAR_HAVE_XTEST
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

// Our own connection to the display, so nothing depends on how Qt talks to it. Events go out at once:
// the paste must reach the browser before the next tick looks at the button again.
struct DesktopPointerSynth::Connection {
    Display *display = nullptr;

    Connection()
    {
        display = XOpenDisplay(nullptr);
        int event = 0;
        int error = 0;
        int major = 0;
        int minor = 0;
        if (display && !XTestQueryExtension(display, &event, &error, &major, &minor)) {
            XCloseDisplay(display);
            display = nullptr;
        }
    }
    ~Connection()
    {
        if (display)
            XCloseDisplay(display);
    }

    struct PointerState {
        QPoint position;
        unsigned int mask = 0;
    };
    PointerState query() const
    {
        Window root = 0;
        Window child = 0;
        int rootX = 0;
        int rootY = 0;
        int windowX = 0;
        int windowY = 0;
        unsigned int mask = 0;
        XQueryPointer(display, DefaultRootWindow(display), &root, &child, &rootX, &rootY, &windowX, &windowY, &mask);
        return {QPoint(rootX, rootY), mask};
    }
};

namespace {

KeySym keySymOf(PointerSynth::Key key)
{
    return key == PointerSynth::Key::Control ? XK_Control_L : XK_v;
}

} // namespace

// Only on an X11 session: under Wayland an X connection reaches the compatibility server alone, whose
// clicks land nowhere the user sees.
DesktopPointerSynth::DesktopPointerSynth()
    : m_connection(QGuiApplication::platformName() == QLatin1String("xcb") ? std::make_unique<Connection>() : nullptr)
{
}

bool DesktopPointerSynth::available() const
{
    return m_connection && m_connection->display;
}

bool DesktopPointerSynth::primaryButtonDown() const
{
    return available() && (m_connection->query().mask & Button1Mask);
}

QPoint DesktopPointerSynth::pointerPosition() const
{
    return available() ? m_connection->query().position : QPoint();
}

void DesktopPointerSynth::movePointer(QPoint screenPosition)
{
    if (!available())
        return;
    XTestFakeMotionEvent(m_connection->display, -1, screenPosition.x(), screenPosition.y(), CurrentTime);
    XFlush(m_connection->display);
}

void DesktopPointerSynth::primaryButton(bool down)
{
    if (!available())
        return;
    XTestFakeButtonEvent(m_connection->display, Button1, down ? True : False, CurrentTime);
    XFlush(m_connection->display);
}

void DesktopPointerSynth::key(Key key, bool down)
{
    if (!available())
        return;
    const KeyCode code = XKeysymToKeycode(m_connection->display, keySymOf(key));
    XTestFakeKeyEvent(m_connection->display, code, down ? True : False, CurrentTime);
    XFlush(m_connection->display);
}

#else

struct DesktopPointerSynth::Connection { };

DesktopPointerSynth::DesktopPointerSynth() = default;
bool DesktopPointerSynth::available() const
{
    return false;
}
bool DesktopPointerSynth::primaryButtonDown() const
{
    return false;
}
QPoint DesktopPointerSynth::pointerPosition() const
{
    return {};
}
void DesktopPointerSynth::movePointer(QPoint)
{
}
void DesktopPointerSynth::primaryButton(bool)
{
}
void DesktopPointerSynth::key(Key, bool)
{
}

#endif

DesktopPointerSynth::~DesktopPointerSynth() = default;
