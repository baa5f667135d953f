#pragma once

#include "platform/PointerSynth.h"

#include <memory>

// XTest on an X11 desktop. Elsewhere (Wayland, offscreen, a build without XTest) it reports itself
// unavailable and sends nothing.
class DesktopPointerSynth final : public PointerSynth {
public:
    DesktopPointerSynth();
    ~DesktopPointerSynth() override;

    bool available() const override;
    bool primaryButtonDown() const override;
    QPoint pointerPosition() const override;
    void movePointer(QPoint screenPosition) override;
    void primaryButton(bool down) override;
    void key(Key key, bool down) override;

private:
    struct Connection;
    std::unique_ptr<Connection> m_connection;
};
