// Starts torvanel and the bare Qt window alternately under an X server and reports,
// for each, the time from process start until its window is mapped (seen from
// outside, as a MapNotify on the root window) and the peak resident memory; for
// torvanel also the time from a CALCOLO click to the result painted on screen.
//
// usage: torvanel_startup_bench TORVANEL BARE_WINDOW [RUNS]   (DISPLAY must be set)
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <sys/resource.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double ms_since(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Samples {
    std::vector<double> values;
    double quantile(double q) const
    {
        std::vector<double> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        const double position = q * static_cast<double>(sorted.size() - 1);
        const auto low = static_cast<std::size_t>(position);
        const std::size_t high = std::min(low + 1, sorted.size() - 1);
        return sorted[low] + (sorted[high] - sorted[low]) * (position - static_cast<double>(low));
    }
    double median() const { return quantile(0.5); }
    void print(const char* what, const char* unit) const
    {
        std::printf("  %-28s median %9.2f %s   p25-p75 %8.2f-%-8.2f  min-max %8.2f-%-8.2f (n=%zu)\n", what, median(),
                    unit, quantile(0.25), quantile(0.75), quantile(0), quantile(1), values.size());
    }
};

class XServer {
public:
    XServer()
    {
        display_ = XOpenDisplay(nullptr);
        if (display_ == nullptr) {
            std::fprintf(stderr, "cannot open the X display\n");
            std::exit(2);
        }
        root_ = DefaultRootWindow(display_);
        XSelectInput(display_, root_, SubstructureNotifyMask);
        XSync(display_, True);
    }
    ~XServer() { XCloseDisplay(display_); }

    // The next top-level window mapped, or 0 after the timeout.
    Window wait_for_map(double timeout_ms)
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
            const int fd = ConnectionNumber(display_);
            fd_set readable;
            FD_ZERO(&readable);
            FD_SET(fd, &readable);
            timeval wait{0, 1000};
            select(fd + 1, &readable, nullptr, nullptr, &wait);
        }
        return 0;
    }

    void origin_of(Window window, int& x, int& y)
    {
        Window child;
        XTranslateCoordinates(display_, window, root_, 0, 0, &x, &y, &child);
    }

    unsigned long pixel(int x, int y)
    {
        XImage* image = XGetImage(display_, root_, x, y, 1, 1, AllPlanes, ZPixmap);
        const unsigned long value = image != nullptr ? XGetPixel(image, 0, 0) : 0;
        if (image != nullptr) {
            XDestroyImage(image);
        }
        return value;
    }

    std::vector<unsigned long> area(int x, int y, int width, int height)
    {
        std::vector<unsigned long> pixels;
        XImage* image = XGetImage(display_, root_, x, y, width, height, AllPlanes, ZPixmap);
        if (image == nullptr) {
            return pixels;
        }
        for (int row = 0; row < height; ++row) {
            for (int column = 0; column < width; ++column) {
                pixels.push_back(XGetPixel(image, column, row));
            }
        }
        XDestroyImage(image);
        return pixels;
    }

    void move_and_click(int x, int y, bool release = true)
    {
        XTestFakeMotionEvent(display_, -1, x, y, 0);
        XTestFakeButtonEvent(display_, 1, True, 0);
        if (release) {
            XTestFakeButtonEvent(display_, 1, False, 0);
        }
        XFlush(display_);
    }

    void release_button()
    {
        XTestFakeButtonEvent(display_, 1, False, 0);
        XFlush(display_);
    }

    void type_digit(char digit)
    {
        const KeyCode code = XKeysymToKeycode(display_, XK_0 + (digit - '0'));
        XTestFakeKeyEvent(display_, code, True, 0);
        XTestFakeKeyEvent(display_, code, False, 0);
        XFlush(display_);
    }

private:
    Display* display_;
    Window root_;
};

pid_t launch(const char* program)
{
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

double stop_and_peak_rss_mib(pid_t pid)
{
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

bool wait_until(XServer& x, int px, int py, unsigned long wanted, double timeout_ms)
{
    const Clock::time_point start = Clock::now();
    while (ms_since(start) < timeout_ms) {
        if (x.pixel(px, py) == wanted) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return false;
}

// Pixel centres of controls, from their twips (15 twips a pixel).
constexpr int kOhmInputX = (3120 + 2535 / 2) / 15, kOhmInputY = (2040 + 375 / 2) / 15;
constexpr int kAmpereInputX = (3120 + 2535 / 2) / 15, kAmpereInputY = (3000 + 375 / 2) / 15;
constexpr int kCalcoloX = (720 + 2055 / 2) / 15, kCalcoloY = (5400 + 855 / 2) / 15;
constexpr int kVoltInputX = (3120 + 2535 / 2) / 15, kVoltInputY = (1080 + 375 / 2) / 15;
constexpr int kVoltOutputX = 6240 / 15 + 2, kVoltOutputY = 1080 / 15 + 2, kVoltOutputW = 2415 / 15 - 4,
              kVoltOutputH = 375 / 15 - 4;

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TORVANEL BARE_WINDOW [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 20;
    XServer x;
    Samples map_torvanel, map_bare, rss_torvanel, rss_bare, click_to_result;
    int failures = 0;

    for (int run = 0; run < runs; ++run) {
        for (int which = 0; which < 2; ++which) {
            const bool is_torvanel = which == (run % 2); // alternate who goes first
            const Clock::time_point start = Clock::now();
            const pid_t pid = launch(argv[is_torvanel ? 1 : 2]);
            const Window window = x.wait_for_map(10000);
            const double mapped_ms = ms_since(start);
            if (window == 0) {
                std::fprintf(stderr, "no window mapped\n");
                stop_and_peak_rss_mib(pid);
                ++failures;
                continue;
            }
            int ox = 0;
            int oy = 0;
            x.origin_of(window, ox, oy);
            if (is_torvanel) {
                map_torvanel.values.push_back(mapped_ms);
                // Wait for the first paint (the red unknown box), type R = 2 and I = 3.
                if (!wait_until(x, ox + kVoltInputX, oy + kVoltInputY, 0xFF0000, 5000)) {
                    std::fprintf(stderr, "window not painted\n");
                    ++failures;
                } else {
                    x.move_and_click(ox + kOhmInputX, oy + kOhmInputY);
                    x.type_digit('2');
                    x.move_and_click(ox + kAmpereInputX, oy + kAmpereInputY);
                    x.type_digit('3');
                    std::this_thread::sleep_for(std::chrono::milliseconds(150));
                    const std::vector<unsigned long> before =
                        x.area(ox + kVoltOutputX, oy + kVoltOutputY, kVoltOutputW, kVoltOutputH);
                    x.move_and_click(ox + kCalcoloX, oy + kCalcoloY, false);
                    std::this_thread::sleep_for(std::chrono::milliseconds(50));
                    const Clock::time_point clicked = Clock::now();
                    x.release_button(); // the click happens on release
                    bool changed = false;
                    while (ms_since(clicked) < 2000 && !changed) {
                        changed = x.area(ox + kVoltOutputX, oy + kVoltOutputY, kVoltOutputW, kVoltOutputH) != before;
                    }
                    if (changed) {
                        click_to_result.values.push_back(ms_since(clicked));
                    } else {
                        std::fprintf(stderr, "no result painted\n");
                        ++failures;
                    }
                }
            } else {
                map_bare.values.push_back(mapped_ms);
                std::this_thread::sleep_for(std::chrono::milliseconds(250));
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            (is_torvanel ? rss_torvanel : rss_bare).values.push_back(stop_and_peak_rss_mib(pid));
        }
    }

    std::printf("torvanel:\n");
    map_torvanel.print("start to window mapped", "ms");
    rss_torvanel.print("peak resident memory", "MiB");
    click_to_result.print("CALCOLO click to result", "ms");
    std::printf("bare Qt window with the same widgets (floor):\n");
    map_bare.print("start to window mapped", "ms");
    rss_bare.print("peak resident memory", "MiB");
    if (map_torvanel.values.empty() || map_bare.values.empty()) {
        return 1;
    }
    const double start_ratio = map_torvanel.median() / map_bare.median();
    const double memory_ratio = rss_torvanel.median() / rss_bare.median();
    std::printf("ratios torvanel / floor:\n");
    std::printf("  start-up %.3f (target at most 1.10: %s)\n", start_ratio, start_ratio <= 1.10 ? "met" : "missed");
    std::printf("  memory   %.3f (target at most 1.10: %s)\n", memory_ratio, memory_ratio <= 1.10 ? "met" : "missed");
    if (!click_to_result.values.empty()) {
        const double click = click_to_result.median();
        std::printf("  click to result %.2f ms (target under 2 ms: %s)\n", click, click < 2 ? "met" : "missed");
    }
    return failures == 0 ? 0 : 1;
}
