// Times torvanel.exe as a Windows user meets it (under Wine here: Wine is not Windows,
// so these are figures to report, not promises): from starting the process to its
// window shown, and a CALCOLO click until its handler has set the result.
// usage: windows_bench PATH\TO\torvanel.exe [RUNS]
#include "views/win32/control_ids.hpp"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using torvanel::win32::control_id;

double now_ms()
{
    LARGE_INTEGER ticks;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&ticks);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(ticks.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: windows_bench PATH\\TO\\torvanel.exe [RUNS]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
    std::vector<double> start_up;
    std::vector<double> click;
    for (int run = 0; run < runs; ++run) {
        std::string command = std::string("\"") + argv[1] + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION program{};
        const double started = now_ms();
        if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &program)) {
            std::fprintf(stderr, "cannot start %s\n", argv[1]);
            return 1;
        }
        HWND window = nullptr;
        while (now_ms() - started < 20000 && (window == nullptr || !IsWindowVisible(window))) {
            window = FindWindowW(L"TORVANEL", nullptr);
            Sleep(0);
        }
        if (window == nullptr) {
            TerminateProcess(program.hProcess, 1);
            return 1;
        }
        start_up.push_back(now_ms() - started);
        SendMessageW(GetDlgItem(window, control_id("OhmInput")), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"4k7"));
        SendMessageW(GetDlgItem(window, control_id("AmpereInput")), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"2m"));
        Sleep(200);
        const double pressed = now_ms();
        SendMessageW(GetDlgItem(window, control_id("CALCOLO")), BM_CLICK, 0, 0);
        click.push_back(now_ms() - pressed);
        SendMessageW(GetDlgItem(window, control_id("Fine")), BM_CLICK, 0, 0);
        WaitForSingleObject(program.hProcess, 10000);
        CloseHandle(program.hThread);
        CloseHandle(program.hProcess);
    }
    std::printf("torvanel.exe, %d runs:\n", runs);
    std::printf("  start to window shown, median   %8.1f ms\n", median(start_up));
    std::printf("  CALCOLO click to result set     %8.2f ms\n", median(click));
    return 0;
}
