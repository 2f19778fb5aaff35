// Starts torvanel and the bare Qt window alternately under an X server and reports,
// for each, the time from process start until its window is mapped (seen from
// outside, as a MapNotify on the root window) and the peak resident memory; for
// both the time from a CALCOLO click to the result painted on screen (in the bare
// window, a plain Qt program setting a label, that is the floor Qt itself sets),
// learnt from the X server's damage reports and, for comparison, by polling pixels.
// These runs have no session bus, as on a desktop without accessibility.
//
// Then, with a screen reader's side of AT-SPI running (the helper's text-change
// listener, which turns the toolkits' accessibility bridges on), it pastes 10 MB of
// digits into OhmInput and times what the user meets: the box holding the text and
// showing its summary, the listener told of that summary, a repaint of the box as the
// focus leaves it, the program's CPU while the box has the focus, and a CALCOLO click
// until the message box appears. Last it pastes 1 MB and 10 MB into the help box and
// times an EXIT HELP click until the box is gone from the screen.
//
// usage: torvanel_startup_bench TORVANEL BARE_WINDOW HELPER [RUNS]
//        (DISPLAY and DBUS_SESSION_BUS_ADDRESS must be set)
#include "core/value_descriptions.hpp"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double ms_since(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The monotonic clock in milliseconds, as the helper prints it.
double monotonic_ms()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
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
        if (values.empty()) {
            std::printf("  %-40s no samples\n", what);
            return;
        }
        std::printf("  %-40s median %9.2f %s   p25-p75 %8.2f-%-8.2f  min-max %8.2f-%-8.2f (n=%zu)\n", what, median(),
                    unit, quantile(0.25), quantile(0.75), quantile(0), quantile(1), values.size());
    }
};

struct Targets {
    int count = 0;
    int missed = 0;
    void tally(bool met)
    {
        ++count;
        missed += met ? 0 : 1;
    }
};

// One figure against its target, for the summary.
void verdict(const char* what, const Samples& samples, double target, const char* unit, Targets& targets)
{
    if (samples.values.empty()) {
        std::printf("  %-48s no samples          target under %g %s: missed\n", what, target, unit);
        targets.tally(false);
        return;
    }
    const double value = samples.median();
    const bool met = value < target;
    std::printf("  %-48s %10.2f %-3s  target under %g %s: %s\n", what, value, unit, target, unit,
                met ? "met" : "missed");
    targets.tally(met);
}

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
        int error_base = 0;
        if (!XDamageQueryExtension(display_, &damage_event_base_, &error_base)) {
            std::fprintf(stderr, "the X server has no DAMAGE extension\n");
            std::exit(2);
        }
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

    // Forgets the windows mapped so far.
    void drop_events()
    {
        XSync(display_, False);
        while (XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
        }
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

    // Presses and releases a key, with Control held when asked.
    void type_key(KeySym key, bool control = false)
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

    void type_digit(char digit) { type_key(XK_0 + (digit - '0')); }

    // Starts the server's reports of drawing into `window`, one per drawing request.
    Damage watch_drawing(Window window)
    {
        const Damage damage = XDamageCreate(display_, window, XDamageReportRawRectangles);
        drop_events();
        return damage;
    }

    void stop_watching(Damage damage)
    {
        XDamageDestroy(display_, damage);
        drop_events();
    }

    // Waits up to `timeout_ms` for a report of drawing that touches `area` (in the
    // window's coordinates); false when none came.
    bool wait_for_drawing(const XRectangle& area, double timeout_ms)
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
            pollfd connection{ConnectionNumber(display_), POLLIN, 0};
            poll(&connection, 1, 1);
        }
        return false;
    }

private:
    Display* display_;
    Window root_;
    int damage_event_base_ = 0;
};

// Runs a program; `environment` entries are added ("NAME=value") or removed ("NAME").
pid_t launch(const std::vector<const char*>& arguments, const std::vector<const char*>& environment = {},
             int* output = nullptr)
{
    int pipe_ends[2] = {-1, -1};
    if (output != nullptr && pipe(pipe_ends) != 0) {
        return -1;
    }
    const pid_t pid = fork();
    if (pid == 0) {
        for (const char* entry : environment) {
            const char* equals = std::strchr(entry, '=');
            if (equals == nullptr) {
                unsetenv(entry);
            } else {
                setenv(std::string(entry, equals).c_str(), equals + 1, 1);
            }
        }
        if (output != nullptr) {
            dup2(pipe_ends[1], STDOUT_FILENO);
            close(pipe_ends[0]);
            close(pipe_ends[1]);
        }
        std::vector<char*> argv;
        for (const char* argument : arguments) {
            argv.push_back(const_cast<char*>(argument));
        }
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    if (output != nullptr) {
        close(pipe_ends[1]);
        *output = pipe_ends[0];
        fcntl(*output, F_SETFL, O_NONBLOCK);
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

// Lines a helper printed, collected as they come.
class HelperOutput {
public:
    explicit HelperOutput(int fd) : fd_(fd) {}
    ~HelperOutput() { close(fd_); }

    // The lines that arrived since the last call.
    std::vector<std::string> lines()
    {
        char buffer[4096];
        ssize_t count = 0;
        while ((count = read(fd_, buffer, sizeof buffer)) > 0) {
            pending_.append(buffer, static_cast<std::size_t>(count));
        }
        std::vector<std::string> complete;
        std::size_t end = 0;
        while ((end = pending_.find('\n')) != std::string::npos) {
            complete.push_back(pending_.substr(0, end));
            pending_.erase(0, end + 1);
        }
        return complete;
    }

    bool wait_for(const std::string& line, double timeout_ms)
    {
        const Clock::time_point start = Clock::now();
        while (ms_since(start) < timeout_ms) {
            for (const std::string& arrived : lines()) {
                if (arrived == line) {
                    return true;
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return false;
    }

private:
    int fd_;
    std::string pending_;
};

// The CPU time a process has used, in milliseconds.
double cpu_ms(pid_t pid)
{
    std::ifstream schedstat("/proc/" + std::to_string(pid) + "/schedstat");
    double nanoseconds = 0;
    if (schedstat >> nanoseconds) {
        return nanoseconds / 1e6;
    }
    return -1;
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

struct Area {
    int x, y, width, height;
};

// Milliseconds from `since` until the area no longer shows `before`, or -1.
double until_changed(XServer& x, const Area& area, const std::vector<unsigned long>& before, Clock::time_point since,
                     double timeout_ms)
{
    while (ms_since(since) < timeout_ms) {
        if (x.area(area.x, area.y, area.width, area.height) != before) {
            return ms_since(since);
        }
    }
    return -1;
}

// Pixel centres of controls, from their twips (15 twips a pixel).
constexpr int kOhmInputX = (3120 + 2535 / 2) / 15, kOhmInputY = (2040 + 375 / 2) / 15;
constexpr int kAmpereInputX = (3120 + 2535 / 2) / 15, kAmpereInputY = (3000 + 375 / 2) / 15;
constexpr int kCalcoloX = (720 + 2055 / 2) / 15, kCalcoloY = (5400 + 855 / 2) / 15;
constexpr int kVoltInputX = (3120 + 2535 / 2) / 15, kVoltInputY = (1080 + 375 / 2) / 15;
constexpr int kVoltOutputX = 6240 / 15 + 2, kVoltOutputY = 1080 / 15 + 2, kVoltOutputW = 2415 / 15 - 4,
              kVoltOutputH = 375 / 15 - 4;
constexpr int kHelpX = (3360 + 1215 / 2) / 15, kHelpY = (5400 + 855 / 2) / 15;
constexpr int kExitHelpX = (5040 + 1455 / 2) / 15, kExitHelpY = (5400 + 855 / 2) / 15;
// OhmInput's text, right of where the caret of an empty box blinks.
constexpr Area kOhmText{3120 / 15 + 20, 2040 / 15 + 6, 2535 / 15 - 24, 375 / 15 - 12};
// The whole of OhmInput, its frame too.
constexpr Area kOhmBox{3120 / 15, 2040 / 15, 2535 / 15, 375 / 15};
// The help box TESTO.
constexpr Area kTesto{3120 / 15, 960 / 15, 5535 / 15, 2655 / 15};

// How the benchmark learns that the result is on the screen.
enum class Probe {
    // The X server reports the drawing (DAMAGE); the pixels are then checked once.
    DrawingReported,
    // The pixels are fetched again and again until they change. Each fetch is a
    // request the single-threaded X server must answer between the program's own,
    // and the loop holds one of the machine's cores: the figure includes that load.
    PixelsPolled,
};

// Milliseconds from releasing a click on CALCOLO until VoltOutput's pixels change, or -1.
double click_calcolo_until_result(XServer& x, Window window, int ox, int oy, Probe probe)
{
    const Area result{ox + kVoltOutputX, oy + kVoltOutputY, kVoltOutputW, kVoltOutputH};
    const std::vector<unsigned long> before = x.area(result.x, result.y, result.width, result.height);
    x.move_and_click(ox + kCalcoloX, oy + kCalcoloY, false);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    if (probe == Probe::PixelsPolled) {
        const Clock::time_point clicked = Clock::now();
        x.release_button(); // the click happens on release
        return until_changed(x, result, before, clicked, 2000);
    }
    const Damage damage = x.watch_drawing(window);
    const XRectangle result_in_window{kVoltOutputX, kVoltOutputY, kVoltOutputW, kVoltOutputH};
    const Clock::time_point clicked = Clock::now();
    x.release_button();
    double shown = -1;
    while (shown < 0 && x.wait_for_drawing(result_in_window, 2000 - ms_since(clicked))) {
        const double reported = ms_since(clicked);
        if (x.area(result.x, result.y, result.width, result.height) != before) {
            shown = reported;
        }
    }
    x.stop_watching(damage);
    return shown;
}

// One click figure, timed by each probe.
struct ClickFigure {
    Samples drawing_reported, pixels_polled;

    // Clicks CALCOLO and files the time under the probe that took it; false when
    // nothing was painted.
    bool time_click(XServer& x, Window window, int ox, int oy, Probe probe)
    {
        const double shown = click_calcolo_until_result(x, window, ox, oy, probe);
        if (shown < 0) {
            return false;
        }
        (probe == Probe::DrawingReported ? drawing_reported : pixels_polled).values.push_back(shown);
        return true;
    }
};

constexpr long kPastedDigits = 10'000'000;

// What a box shows and a screen reader is told once it holds `count` pasted digits
// (the helper's clipboard holds sevens).
std::string summary_of_pasted(long count)
{
    return torvanel::held_text_summary(std::string(static_cast<std::size_t>(count), '7'));
}

std::vector<unsigned long> pixels_of(XServer& x, const Area& area)
{
    return x.area(area.x, area.y, area.width, area.height);
}

// A running torvanel, painted once, or not.
struct Program {
    pid_t pid;
    bool painted = false;
    int ox = 0, oy = 0;

    // `area`, given in the window, on the screen.
    Area placed(const Area& area) const { return {ox + area.x, oy + area.y, area.width, area.height}; }
};

Program start_torvanel(XServer& x, const char* torvanel)
{
    x.drop_events();
    Program program{launch({torvanel})};
    const Window window = x.wait_for_map(10000);
    if (window != 0) {
        x.origin_of(window, program.ox, program.oy);
        program.painted = wait_until(x, program.ox + kVoltInputX, program.oy + kVoltInputY, 0xFF0000, 5000);
    }
    return program;
}

// Milliseconds from `since` until the listener hears a text change carrying `text`, or -1.
double until_heard(HelperOutput& listener, const std::string& text, double since_monotonic, double timeout_ms)
{
    const Clock::time_point waiting = Clock::now();
    while (ms_since(waiting) < timeout_ms) {
        for (const std::string& line : listener.lines()) {
            double at = 0;
            int text_start = 0;
            if (std::sscanf(line.c_str(), "text-changed %*s %*d %lf %n", &at, &text_start) == 1 && text_start > 0 &&
                line.compare(static_cast<std::size_t>(text_start), std::string::npos, text) == 0) {
                return at - since_monotonic;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return -1;
}

struct LongTextFigures {
    Samples paste_shown, paste_heard, repaint, idle_cpu, message_shown;
};

// One program run with a long text; false when something did not happen.
bool long_text_run(XServer& x, const char* torvanel, HelperOutput& listener, LongTextFigures& figures)
{
    const Program program = start_torvanel(x, torvanel);
    const int ox = program.ox;
    const int oy = program.oy;
    const Area text = program.placed(kOhmText);
    const Area box = program.placed(kOhmBox);
    bool ok = program.painted;
    if (ok) {
        x.move_and_click(ox + kOhmInputX, oy + kOhmInputY);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        (void)listener.lines();
        const std::vector<unsigned long> empty = pixels_of(x, text);
        const Clock::time_point pressed = Clock::now();
        const double pressed_monotonic = monotonic_ms();
        x.type_key(XK_v, true);
        const double shown = until_changed(x, text, empty, pressed, 20000);
        ok = shown >= 0;
        if (ok) {
            figures.paste_shown.values.push_back(shown);
        } else {
            std::fprintf(stderr, "the pasted text was never shown\n");
        }
        // The box tells the listener its summary when the bridge is on.
        const double heard =
            ok ? until_heard(listener, summary_of_pasted(kPastedDigits), pressed_monotonic, 10000) : -1;
        if (heard >= 0) {
            figures.paste_heard.values.push_back(heard);
        } else if (ok) {
            std::fprintf(stderr, "the listener never heard the summary: is the accessibility bridge on?\n");
            ok = false;
        }
    }
    if (ok) {
        // A read-only box shows no caret: what the focus leaving changes is its frame.
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        const std::vector<unsigned long> focused = pixels_of(x, box);
        const Clock::time_point clicked = Clock::now();
        x.move_and_click(ox + kAmpereInputX, oy + kAmpereInputY);
        const double repainted = until_changed(x, box, focused, clicked, 20000);
        ok = repainted >= 0;
        if (ok) {
            figures.repaint.values.push_back(repainted);
        } else {
            std::fprintf(stderr, "the box never changed as the focus left it\n");
        }
    }
    if (ok) {
        x.move_and_click(ox + kOhmInputX, oy + kOhmInputY);
        std::this_thread::sleep_for(std::chrono::milliseconds(1000));
        const double before = cpu_ms(program.pid);
        const Clock::time_point start = Clock::now();
        std::this_thread::sleep_for(std::chrono::milliseconds(5000));
        const double used = cpu_ms(program.pid) - before;
        figures.idle_cpu.values.push_back(100.0 * used / ms_since(start));
    }
    if (ok) {
        x.drop_events();
        x.move_and_click(ox + kCalcoloX, oy + kCalcoloY, false);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const Clock::time_point clicked = Clock::now();
        x.release_button();
        const Window message = x.wait_for_map(20000);
        ok = message != 0;
        if (ok) {
            figures.message_shown.values.push_back(ms_since(clicked));
        } else {
            std::fprintf(stderr, "no message box\n");
        }
    }
    stop_and_peak_rss_mib(program.pid);
    return ok;
}

// The help box holding a pasted text.
struct HelpBoxFigure {
    long pasted;
    Samples exit_help; // EXIT HELP click to the box gone from the screen
};

// One program run: HELP, the help box's text replaced by a paste, EXIT HELP timed;
// false when something did not happen.
bool help_box_run(XServer& x, const char* torvanel, HelperOutput& listener, HelpBoxFigure& figure)
{
    const Program program = start_torvanel(x, torvanel);
    const Area help = program.placed(kTesto);
    bool ok = program.painted;
    if (ok) {
        const std::vector<unsigned long> hidden = pixels_of(x, help);
        const Clock::time_point clicked = Clock::now();
        x.move_and_click(program.ox + kHelpX, program.oy + kHelpY);
        ok = until_changed(x, help, hidden, clicked, 5000) >= 0;
        if (!ok) {
            std::fprintf(stderr, "HELP never showed the help box\n");
        }
    }
    if (ok) {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        x.move_and_click(help.x + help.width / 2, help.y + help.height / 2);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        (void)listener.lines();
        // Over the whole help text, so that the box holds the digits alone.
        x.type_key(XK_a, true);
        x.type_key(XK_v, true);
        // Done once the box tells its summary: until then its caret blinks, so its pixels cannot tell.
        ok = until_heard(listener, summary_of_pasted(figure.pasted), 0, 20000) >= 0;
        if (!ok) {
            std::fprintf(stderr, "the help box never told its summary\n");
        }
    }
    if (ok) {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        // Pressing the button takes the focus from the help box; the click is the release.
        x.move_and_click(program.ox + kExitHelpX, program.oy + kExitHelpY, false);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const std::vector<unsigned long> shown = pixels_of(x, help);
        const Clock::time_point clicked = Clock::now();
        x.release_button();
        const double gone = until_changed(x, help, shown, clicked, 20000);
        ok = gone >= 0;
        if (ok) {
            figure.exit_help.values.push_back(gone);
        } else {
            std::fprintf(stderr, "EXIT HELP never hid the help box\n");
        }
    }
    stop_and_peak_rss_mib(program.pid);
    return ok;
}

// Starts the helper owning the clipboard with `count` digits; -1 when it did not start.
pid_t hold_clipboard(const char* helper, long count)
{
    int fd = -1;
    const std::string digits = std::to_string(count);
    const pid_t pid = launch({helper, "clipboard", digits.c_str()}, {"DBUS_SESSION_BUS_ADDRESS"}, &fd);
    HelperOutput output(fd);
    if (output.wait_for("ready", 20000)) {
        return pid;
    }
    std::fprintf(stderr, "the clipboard did not start\n");
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return -1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s TORVANEL BARE_WINDOW HELPER [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 4 ? std::atoi(argv[4]) : 20;
    XServer x;
    Samples map_torvanel, map_bare, rss_torvanel, rss_bare;
    // Each click figure by both probes, every other pair of runs.
    ClickFigure click_to_result, bare_click_to_label;
    int failures = 0;

    for (int run = 0; run < runs; ++run) {
        for (int which = 0; which < 2; ++which) {
            const bool is_torvanel = which == (run % 2); // alternate who goes first
            const Probe probe = (run / 2) % 2 == 0 ? Probe::DrawingReported : Probe::PixelsPolled;
            const Clock::time_point start = Clock::now();
            const pid_t pid = launch({argv[is_torvanel ? 1 : 2]}, {"DBUS_SESSION_BUS_ADDRESS"});
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
                    if (!click_to_result.time_click(x, window, ox, oy, probe)) {
                        std::fprintf(stderr, "no result painted\n");
                        ++failures;
                    }
                }
            } else {
                map_bare.values.push_back(mapped_ms);
                std::this_thread::sleep_for(std::chrono::milliseconds(250));
                if (!bare_click_to_label.time_click(x, window, ox, oy, probe)) {
                    std::fprintf(stderr, "the bare window painted no label\n");
                    ++failures;
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            (is_torvanel ? rss_torvanel : rss_bare).values.push_back(stop_and_peak_rss_mib(pid));
        }
    }

    std::printf("torvanel:\n");
    map_torvanel.print("start to window mapped", "ms");
    rss_torvanel.print("peak resident memory", "MiB");
    click_to_result.drawing_reported.print("CALCOLO click to result", "ms");
    click_to_result.pixels_polled.print("  the same, pixels polled", "ms");
    std::printf("bare Qt window with the same widgets (floor):\n");
    map_bare.print("start to window mapped", "ms");
    rss_bare.print("peak resident memory", "MiB");
    bare_click_to_label.drawing_reported.print("CALCOLO click to its label painted", "ms");
    bare_click_to_label.pixels_polled.print("  the same, pixels polled", "ms");

    // A screen reader's side of AT-SPI, and long texts of digits on the clipboard.
    LongTextFigures long_text;
    std::array help_box{HelpBoxFigure{1'000'000, {}}, HelpBoxFigure{kPastedDigits, {}}};
    int listener_fd = -1;
    const pid_t listener_pid = launch({argv[3], "listen"}, {}, &listener_fd);
    HelperOutput listener(listener_fd);
    if (!listener.wait_for("ready", 20000)) {
        std::fprintf(stderr, "the accessibility listener did not start\n");
        ++failures;
    } else {
        const int long_runs = std::clamp(runs / 4, 1, 5);
        // Runs `run` long_runs times with `count` digits on the clipboard.
        const auto with_clipboard = [&](long count, const auto& run) {
            const pid_t clipboard = hold_clipboard(argv[3], count);
            if (clipboard < 0) {
                ++failures;
                return;
            }
            for (int i = 0; i < long_runs; ++i) {
                failures += run() ? 0 : 1;
            }
            kill(clipboard, SIGTERM);
            waitpid(clipboard, nullptr, 0);
        };
        with_clipboard(kPastedDigits, [&] { return long_text_run(x, argv[1], listener, long_text); });
        for (HelpBoxFigure& figure : help_box) {
            with_clipboard(figure.pasted, [&] { return help_box_run(x, argv[1], listener, figure); });
        }
    }
    kill(listener_pid, SIGTERM);
    waitpid(listener_pid, nullptr, 0);

    std::printf("torvanel with 10 MB of digits pasted into OhmInput, accessibility bridge on, a text-change "
                "listener registered:\n");
    long_text.paste_shown.print("Ctrl+V to the text held, summary shown", "ms");
    long_text.paste_heard.print("Ctrl+V to the listener told the summary", "ms");
    long_text.repaint.print("focus leaves the box to it repainted", "ms");
    long_text.idle_cpu.print("CPU while the box has the focus", "%");
    long_text.message_shown.print("CALCOLO click to the message box shown", "ms");
    std::printf("torvanel with digits pasted over the help box's text, the same listener:\n");
    char what[64];
    for (const HelpBoxFigure& figure : help_box) {
        std::snprintf(what, sizeof what, "%ld MB: EXIT HELP click to the box gone", figure.pasted / 1'000'000);
        figure.exit_help.print(what, "ms");
    }

    if (map_torvanel.values.empty() || map_bare.values.empty()) {
        return 1;
    }
    const double start_ratio = map_torvanel.median() / map_bare.median();
    const double memory_ratio = rss_torvanel.median() / rss_bare.median();
    Targets targets;
    std::printf("figures and targets:\n");
    std::printf("  %-48s %10.3f      target at most 1.10: %s\n", "start-up, torvanel / bare window", start_ratio,
                start_ratio <= 1.10 ? "met" : "missed");
    std::printf("  %-48s %10.3f      target at most 1.10: %s\n", "peak memory, torvanel / bare window", memory_ratio,
                memory_ratio <= 1.10 ? "met" : "missed");
    targets.tally(start_ratio <= 1.10);
    targets.tally(memory_ratio <= 1.10);
    verdict("CALCOLO click to result painted (median)", click_to_result.drawing_reported, 1, "ms", targets);
    verdict("10 MB paste to text held, summary shown", long_text.paste_shown, 500, "ms", targets);
    verdict("one repaint of that box (focus leaving it)", long_text.repaint, 2, "ms", targets);
    verdict("CPU while it has the focus", long_text.idle_cpu, 1, "%", targets);
    verdict("CALCOLO click to message box shown", long_text.message_shown, 300, "ms", targets);
    for (const HelpBoxFigure& figure : help_box) {
        std::snprintf(what, sizeof what, "help box with %ld MB: EXIT HELP to it gone", figure.pasted / 1'000'000);
        verdict(what, figure.exit_help, 1000, "ms", targets);
    }
    std::printf("%d of %d targets missed\n", targets.missed, targets.count);
    return failures == 0 ? 0 : 1;
}
