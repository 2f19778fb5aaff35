#pragma once

// The benchmark's connection to the X server: it sees windows mapped, fakes the mouse
// and keys (XTest), reads the screen's pixels and hears of drawing (DAMAGE).

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <vector>

namespace bench {

// A rectangle of pixels.
struct Area {
    int x, y, width, height;
};

class XServer {
public:
    XServer();
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    // The next top-level window mapped, or 0 after the timeout.
    Window wait_for_map(double timeout_ms);
    // Forgets the windows mapped so far.
    void drop_events();
    void origin_of(Window window, int& x, int& y);

    std::vector<unsigned long> pixels(const Area& area);
    // Waits until the pixel at (x, y) has the value wanted; false after the timeout.
    bool wait_for_pixel(int x, int y, unsigned long wanted, double timeout_ms);

    void move_and_click(int x, int y, bool release = true);
    void release_button();
    // Presses and releases a key, with Control held when asked.
    void type_key(KeySym key, bool control = false);

    // Starts the server's reports of drawing into `window`, one per drawing request.
    Damage watch_drawing(Window window);
    void stop_watching(Damage damage);
    // Waits up to `timeout_ms` for a report of drawing that touches `area` (in the
    // window's coordinates); false when none came.
    bool wait_for_drawing(const XRectangle& area, double timeout_ms);

private:
    Display* display_;
    Window root_;
    int damage_event_base_ = 0;
};

} // namespace bench
