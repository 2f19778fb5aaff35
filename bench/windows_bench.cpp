// Times torvanel.exe as a Windows user meets it (under Wine here: Wine is not Windows,
// so these are figures to report, not promises). It starts torvanel.exe and the bare
// Win32 window of the same eighteen controls alternately, with one warm wineserver, and
// reports for each the time from starting the process until its window is shown, and
// a CALCOLO click until its handler has set the result; then the start-up ratio, of
// the medians and of each pair.
// usage: windows_bench PATH\TO\torvanel.exe PATH\TO\bare_window.exe [RUNS]
#include "figures.hpp"

#include "views/win32/control_ids.hpp"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using bench::Clock;
using bench::ms_since;
using torvanel::win32::control_id;

struct Program {
    const char* path;
    int ohm_input_id;
    int ampere_input_id;
    int calcolo_id;
    bench::Samples start_up;
    bench::Samples click;
};

struct Search {
    DWORD process;
    HWND found;
};

HWND shown_window_of(DWORD process)
{
    Search search{process, nullptr};
    EnumWindows(
        [](HWND window, LPARAM state) -> BOOL {
            auto* s = reinterpret_cast<Search*>(state);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s->process && IsWindowVisible(window) && GetWindow(window, GW_OWNER) == nullptr) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool run_once(Program& program)
{
    std::string command = std::string("\"") + program.path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const Clock::time_point started = Clock::now();
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::fprintf(stderr, "cannot start %s\n", program.path);
        return false;
    }
    HWND window = nullptr;
    while (window == nullptr && ms_since(started) < 20000) {
        window = shown_window_of(process.dwProcessId);
        Sleep(0);
    }
    const bool shown = window != nullptr;
    if (shown) {
        program.start_up.values.push_back(ms_since(started));
        SendMessageW(GetDlgItem(window, program.ohm_input_id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"4k7"));
        SendMessageW(GetDlgItem(window, program.ampere_input_id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"2m"));
        Sleep(200);
        const Clock::time_point pressed = Clock::now();
        SendMessageW(GetDlgItem(window, program.calcolo_id), BM_CLICK, 0, 0);
        program.click.values.push_back(ms_since(pressed));
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return shown;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: windows_bench PATH\\TO\\torvanel.exe PATH\\TO\\bare_window.exe [RUNS]\n");
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 20;
    // The bare window has ids only for what the click needs: CALCOLO 1, VoltOutput 2;
    // its boxes are not filled, so its click is only the floor of a click.
    Program torvanel{argv[1], control_id("OhmInput"), control_id("AmpereInput"), control_id("CALCOLO"), {}, {}};
    Program bare{argv[2], 0, 0, 1, {}, {}};
    // One run of each first, not counted: it brings the wineserver and the files into memory.
    if (!run_once(torvanel) || !run_once(bare)) {
        return 1;
    }
    torvanel.start_up.values.clear();
    torvanel.click.values.clear();
    bare.start_up.values.clear();
    bare.click.values.clear();
    // Each pair runs back to back, so a busy moment of a shared machine weighs on both
    // of its runs: the median of the pairs' ratios is the steadier figure.
    bench::Samples pair_ratios;
    for (int run = 0; run < runs; ++run) {
        if (!run_once(run % 2 == 0 ? torvanel : bare) || !run_once(run % 2 == 0 ? bare : torvanel)) {
            return 1;
        }
        pair_ratios.values.push_back(torvanel.start_up.values.back() / bare.start_up.values.back());
    }
    std::printf("%d runs of each, alternating:\n", runs);
    torvanel.start_up.print("torvanel.exe: start to window shown", "ms");
    bare.start_up.print("bare window: start to window shown", "ms");
    torvanel.click.print("torvanel.exe: CALCOLO click to result set", "ms");
    bare.click.print("bare window: CALCOLO click to label set", "ms");
    pair_ratios.print("start-up ratio of each pair", "");
    bench::Targets targets;
    targets.ratio("start-up, torvanel.exe / bare window", torvanel.start_up.median() / bare.start_up.median(), 1.10);
    targets.ratio("start-up, median ratio of the pairs", pair_ratios.median(), 1.10);
    targets.print_tally();
    return 0;
}
