#pragma once

#include <functional>
#include <memory>

// A window the first picture does not need (or a command over one), made the first time it is wanted,
// so the start shows the main window without building every other window first.
template <typename Window>
class OnFirstUse {
public:
    explicit OnFirstUse(std::function<std::unique_ptr<Window>()> make)
        : m_make(std::move(make))
    {
    }

    Window &operator*()
    {
        if (!m_window)
            m_window = m_make();
        return *m_window;
    }
    Window *operator->() { return &**this; }

private:
    std::function<std::unique_ptr<Window>()> m_make;
    std::unique_ptr<Window> m_window;
};
