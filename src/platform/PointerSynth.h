#pragma once

#include <QPoint>

// Pointer and key events sent to whatever window lies under the pointer, as if the user had made them:
// the banking buttons click into the browser's login form and paste there.
class PointerSynth {
public:
    enum class Key { Control, V };

    virtual ~PointerSynth() = default;
    // False where the desktop lets no program synthesise input; the paste buttons then only copy.
    virtual bool available() const = 0;
    virtual bool primaryButtonDown() const = 0;
    virtual QPoint pointerPosition() const = 0;
    virtual void movePointer(QPoint screenPosition) = 0;
    virtual void primaryButton(bool down) = 0;
    virtual void key(Key key, bool down) = 0;
};
