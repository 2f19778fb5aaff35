#include "x_server.hpp"

#include "figures.hpp"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <poll.h>

#include <cstdio>
#include <cstdlib>
#include <thread>

namespace bench {
namespace {

// Waits up to a millisecond for the server to say something.
void wait_for_server(Display* display)
{
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    poll(&connection, 1, 1);
}

} // namespace

XServer::XServer()
{
    display_ = XOpenDisplay(nullptr);
    if (display_ == nullptr) {
        std::fprintf(stderr, "cannot open the X display\n");
        std::exit(2);
    }
    root_ = DefaultRootWindow(display_);
    XSelectInput(display_, root_, SubstructureNotifyMask);
    int error_base = 0;
    if (!XDamageQueryExtension(display_, &damage_event_base_, &error_base)) {
        std::fprintf(stderr, "the X server has no DAMAGE extension\n");
        std::exit(2);
    }
    XSync(display_, True);
}

XServer::~XServer()
{
    XCloseDisplay(display_);
}

Window XServer::wait_for_map(double timeout_ms)
{
    const Clock::time_point start = Clock::now();
    while (ms_since(start) < timeout_ms) {
        while (XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
            if (event.type == MapNotify && event.xmap.event == root_) {
                return event.xmap.window;
            }
        }
        wait_for_server(display_);
    }
    return 0;
}

void XServer::drop_events()
{
    XSync(display_, False);
    while (XPending(display_) > 0) {
        XEvent event;
        XNextEvent(display_, &event);
    }
}

void XServer::origin_of(Window window, int& x, int& y)
{
    Window child;
    XTranslateCoordinates(display_, window, root_, 0, 0, &x, &y, &child);
}

std::vector<unsigned long> XServer::pixels(const Area& area)
{
    std::vector<unsigned long> pixels;
    XImage* image = XGetImage(display_, root_, area.x, area.y, static_cast<unsigned>(area.width),
                              static_cast<unsigned>(area.height), AllPlanes, ZPixmap);
    if (image == nullptr) {
        return pixels;
    }
    for (int row = 0; row < area.height; ++row) {
        for (int column = 0; column < area.width; ++column) {
            pixels.push_back(XGetPixel(image, column, row));
        }
    }
    XDestroyImage(image);
    return pixels;
}

bool XServer::wait_for_pixel(int x, int y, unsigned long wanted, double timeout_ms)
{
    const Clock::time_point start = Clock::now();
    while (ms_since(start) < timeout_ms) {
        if (pixels({x, y, 1, 1}) == std::vector<unsigned long>{wanted}) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return false;
}

void XServer::move_and_click(int x, int y, bool release)
{
    XTestFakeMotionEvent(display_, -1, x, y, 0);
    XTestFakeButtonEvent(display_, 1, True, 0);
    if (release) {
        XTestFakeButtonEvent(display_, 1, False, 0);
    }
    XFlush(display_);
}

void XServer::release_button()
{
    XTestFakeButtonEvent(display_, 1, False, 0);
    XFlush(display_);
}

void XServer::type_key(KeySym key, bool control)
{
    const KeyCode control_code = XKeysymToKeycode(display_, XK_Control_L);
    const KeyCode code = XKeysymToKeycode(display_, key);
    if (control) {
        XTestFakeKeyEvent(display_, control_code, True, 0);
    }
    XTestFakeKeyEvent(display_, code, True, 0);
    XTestFakeKeyEvent(display_, code, False, 0);
    if (control) {
        XTestFakeKeyEvent(display_, control_code, False, 0);
    }
    XFlush(display_);
}

Damage XServer::watch_drawing(Window window)
{
    const Damage damage = XDamageCreate(display_, window, XDamageReportRawRectangles);
    drop_events();
    return damage;
}

void XServer::stop_watching(Damage damage)
{
    XDamageDestroy(display_, damage);
    drop_events();
}

bool XServer::wait_for_drawing(const XRectangle& area, double timeout_ms)
{
    const Clock::time_point start = Clock::now();
    while (ms_since(start) < timeout_ms) {
        while (XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
            if (event.type != damage_event_base_ + XDamageNotify) {
                continue;
            }
            const XRectangle& drawn = reinterpret_cast<const XDamageNotifyEvent&>(event).area;
            if (drawn.x < area.x + area.width && area.x < drawn.x + drawn.width && drawn.y < area.y + area.height &&
                area.y < drawn.y + drawn.height) {
                return true;
            }
        }
        wait_for_server(display_);
    }
    return false;
}

} // namespace bench
