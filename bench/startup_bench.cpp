// The figures reported for the Linux program, each against its target. It starts
// torvanel and the bare Qt window (the same eighteen widgets, the floor Qt itself
// sets) alternately under an X server and reports for each the time from process
// start until its window is mapped (seen as a MapNotify on the root window), the
// peak resident memory, and the time from a CALCOLO click to the result painted, as
// the X server's DAMAGE reports tell it (the pixels are then checked once). These
// runs have no session bus, as on a desktop without accessibility.
//
// Then, with a screen reader's side of AT-SPI running (the helper's text-change
// listener, which turns Qt's accessibility bridge on), it pastes 10 MB of digits into
// OhmInput and times the box holding the text with its summary shown, and the
// listener told of that summary.
//
// usage: torvanel_startup_bench TORVANEL BARE_WINDOW HELPER [RUNS]
//        (DISPLAY and DBUS_SESSION_BUS_ADDRESS must be set)
#include "figures.hpp"
#include "processes.hpp"
#include "x_server.hpp"

#include "core/held_text.hpp"

#include <X11/keysym.h>

#include <sys/wait.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

using namespace bench;

// Pixel centres of controls, from their twips (15 twips a pixel).
constexpr int kOhmInputX = (3120 + 2535 / 2) / 15, kOhmInputY = (2040 + 375 / 2) / 15;
constexpr int kAmpereInputX = (3120 + 2535 / 2) / 15, kAmpereInputY = (3000 + 375 / 2) / 15;
constexpr int kCalcoloX = (720 + 2055 / 2) / 15, kCalcoloY = (5400 + 855 / 2) / 15;
constexpr int kVoltInputX = (3120 + 2535 / 2) / 15, kVoltInputY = (1080 + 375 / 2) / 15;
constexpr Area kVoltOutput{6240 / 15 + 2, 1080 / 15 + 2, 2415 / 15 - 4, 375 / 15 - 4};
// OhmInput's text, right of where the caret of an empty box blinks.
constexpr Area kOhmText{3120 / 15 + 20, 2040 / 15 + 6, 2535 / 15 - 24, 375 / 15 - 12};
constexpr long kPastedDigits = 10'000'000;

Area placed(const Area& area, int ox, int oy)
{
    return {ox + area.x, oy + area.y, area.width, area.height};
}

// Milliseconds from releasing a click on CALCOLO until the result's pixels change, or -1.
double click_calcolo_until_result(XServer& x, Window window, int ox, int oy)
{
    const Area result = placed(kVoltOutput, ox, oy);
    const std::vector<unsigned long> before = x.pixels(result);
    x.move_and_click(ox + kCalcoloX, oy + kCalcoloY, false);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const Damage damage = x.watch_drawing(window);
    const XRectangle result_in_window{kVoltOutput.x, kVoltOutput.y, kVoltOutput.width, kVoltOutput.height};
    const Clock::time_point clicked = Clock::now();
    x.release_button(); // the click happens on release
    double shown = -1;
    while (shown < 0 && x.wait_for_drawing(result_in_window, 2000 - ms_since(clicked))) {
        const double reported = ms_since(clicked);
        if (x.pixels(result) != before) {
            shown = reported;
        }
    }
    x.stop_watching(damage);
    return shown;
}

// Milliseconds from `since` until the area no longer shows `before`, or -1.
double until_changed(XServer& x, const Area& area, const std::vector<unsigned long>& before, Clock::time_point since,
                     double timeout_ms)
{
    while (ms_since(since) < timeout_ms) {
        if (x.pixels(area) != before) {
            return ms_since(since);
        }
    }
    return -1;
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

struct StartAndClick {
    Samples mapped, memory, click;
};

// One start of a window, timed, and its CALCOLO click; false when something did not happen.
bool start_and_click(XServer& x, const char* program, bool is_torvanel, StartAndClick& figures)
{
    const Clock::time_point start = Clock::now();
    const pid_t pid = launch({program}, {"DBUS_SESSION_BUS_ADDRESS"});
    const Window window = x.wait_for_map(10000);
    const double mapped_ms = ms_since(start);
    bool ok = window != 0;
    if (ok) {
        figures.mapped.values.push_back(mapped_ms);
        int ox = 0;
        int oy = 0;
        x.origin_of(window, ox, oy);
        if (is_torvanel) {
            // Once painted (the unknown's red box), R = 2 and I = 3.
            ok = x.wait_for_pixel(ox + kVoltInputX, oy + kVoltInputY, 0xFF0000, 5000);
            x.move_and_click(ox + kOhmInputX, oy + kOhmInputY);
            x.type_key(XK_2);
            x.move_and_click(ox + kAmpereInputX, oy + kAmpereInputY);
            x.type_key(XK_3);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
        const double shown = ok ? click_calcolo_until_result(x, window, ox, oy) : -1;
        ok = shown >= 0;
        if (ok) {
            figures.click.values.push_back(shown);
        }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    figures.memory.values.push_back(stop_and_peak_rss_mib(pid));
    return ok;
}

struct PasteFigures {
    Samples shown, heard;
};

// One start of torvanel with 10 MB on the clipboard pasted into OhmInput; false when
// something did not happen.
bool paste_run(XServer& x, const char* torvanel, HelperOutput& listener, PasteFigures& figures)
{
    x.drop_events();
    const pid_t pid = launch({torvanel});
    const Window window = x.wait_for_map(10000);
    int ox = 0;
    int oy = 0;
    x.origin_of(window, ox, oy);
    bool ok = window != 0 && x.wait_for_pixel(ox + kVoltInputX, oy + kVoltInputY, 0xFF0000, 5000);
    if (ok) {
        x.move_and_click(ox + kOhmInputX, oy + kOhmInputY);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        (void)listener.lines();
        const Area text = placed(kOhmText, ox, oy);
        const std::vector<unsigned long> empty = x.pixels(text);
        const Clock::time_point pressed = Clock::now();
        const double pressed_monotonic = monotonic_ms();
        x.type_key(XK_v, true);
        const double shown = until_changed(x, text, empty, pressed, 20000);
        // The box tells the listener its summary when the bridge is on.
        const std::string summary = torvanel::held_text_summary(std::string(kPastedDigits, '7'));
        const double heard = shown >= 0 ? until_heard(listener, summary, pressed_monotonic, 10000) : -1;
        ok = shown >= 0 && heard >= 0;
        if (ok) {
            figures.shown.values.push_back(shown);
            figures.heard.values.push_back(heard);
        }
    }
    stop_and_peak_rss_mib(pid);
    return ok;
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
    StartAndClick torvanel, bare;
    int failures = 0;
    for (int run = 0; run < runs; ++run) {
        for (int which = 0; which < 2; ++which) {
            const bool is_torvanel = which == (run % 2); // alternate who goes first
            if (!start_and_click(x, argv[is_torvanel ? 1 : 2], is_torvanel, is_torvanel ? torvanel : bare)) {
                std::fprintf(stderr, "%s: no window, or no result painted\n", is_torvanel ? "torvanel" : "bare window");
                ++failures;
            }
        }
    }
    std::printf("torvanel:\n");
    torvanel.mapped.print("start to window mapped", "ms");
    torvanel.memory.print("peak resident memory", "MiB");
    torvanel.click.print("CALCOLO click to result", "ms");
    std::printf("bare Qt window with the same widgets (floor):\n");
    bare.mapped.print("start to window mapped", "ms");
    bare.memory.print("peak resident memory", "MiB");
    bare.click.print("CALCOLO click to its label painted", "ms");

    // A screen reader's side of AT-SPI, and 10 MB of digits on the clipboard.
    PasteFigures paste;
    int listener_fd = -1;
    const pid_t listener_pid = launch({argv[3], "listen"}, {}, &listener_fd);
    HelperOutput listener(listener_fd);
    const pid_t clipboard = hold_clipboard(argv[3], kPastedDigits);
    if (!listener.wait_for("ready", 20000) || clipboard < 0) {
        std::fprintf(stderr, "the accessibility listener or the clipboard did not start\n");
        ++failures;
    } else {
        for (int i = 0; i < std::clamp(runs / 4, 1, 5); ++i) {
            if (!paste_run(x, argv[1], listener, paste)) {
                std::fprintf(stderr, "the pasted text was never shown, or the listener never heard its summary\n");
                ++failures;
            }
        }
    }
    for (const pid_t helper : {clipboard, listener_pid}) {
        if (helper > 0) {
            kill(helper, SIGTERM);
            waitpid(helper, nullptr, 0);
        }
    }
    std::printf("torvanel with 10 MB of digits pasted into OhmInput, a text-change listener registered:\n");
    paste.shown.print("Ctrl+V to the text held, summary shown", "ms");
    paste.heard.print("Ctrl+V to the listener told the summary", "ms");

    if (torvanel.mapped.values.empty() || bare.mapped.values.empty()) {
        return 1;
    }
    Targets targets;
    std::printf("figures and targets:\n");
    targets.ratio("start-up, torvanel / bare window", torvanel.mapped.median() / bare.mapped.median(), 1.10);
    targets.ratio("peak memory, torvanel / bare window", torvanel.memory.median() / bare.memory.median(), 1.10);
    targets.under("CALCOLO click to result painted (median)", torvanel.click, 1, "ms");
    targets.under("10 MB paste to text held, summary shown", paste.shown, 500, "ms");
    targets.print_tally();
    return failures == 0 ? 0 : 1;
}
