// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

// The global object of a window that is created the first time it is used. It stands where a
// plain pointer to the window stood: `->`, `*` and conversion to a pointer create the window
// through its maker when it does not exist yet; comparing with nullptr only tells whether it
// exists. Without a maker (before the windows are set up, and while they are taken down) it stays
// as it is, null once its owner has reset it.
template <typename Window>
class LazyWindow {
public:
    // Creates the window, which its owner keeps, and returns it.
    using Maker = Window* (*)();

    constexpr LazyWindow() = default;
    LazyWindow(const LazyWindow&) = delete;
    LazyWindow& operator=(const LazyWindow&) = delete;

    // Who creates the window from now on; nullptr for nobody.
    void SetMaker(Maker value) { maker = value; }
    // Forgets the window, which its owner destroys.
    void Reset() { window = nullptr; }

    Window* get() const
    {
        if (window == nullptr && maker != nullptr)
            window = maker();
        return window;
    }
    Window* operator->() const { return get(); }
    Window& operator*() const { return *get(); }
    operator Window*() const { return get(); }
    friend bool operator==(const LazyWindow& lazy, std::nullptr_t) { return lazy.window == nullptr; }

private:
    mutable Window* window = nullptr;
    Maker maker = nullptr;
};
