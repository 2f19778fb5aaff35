// Uses torvanel.exe as automation tools and screen readers do: starts it, finds its
// window and controls with the standard Win32 calls (by title and child-window id),
// works them with messages (WM_SETTEXT into the boxes, BM_CLICK on the buttons,
// WM_GETTEXT to read), reads names, roles and states through oleacc (MSAA) and hears
// announcements as live-region events through SetWinEventHook.
// usage: win32_driver PATH\TO\torvanel.exe   (expects an Italian locale: 4k7 × 2m = 9,4)
#include "msaa_look.hpp"
#include "views/win32/accessible_control.hpp"
#include "views/win32/control_ids.hpp"
#include "views/win32/utf16.hpp"

#include <windows.h>

#include <oleacc.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using torvanel::win32::control_id;
using torvanel::win32::to_utf16;
using torvanel::win32::to_utf8;

// A control's text, read as automation does: GetWindowText reads no other process's edit box.
std::wstring window_text(HWND window)
{
    std::wstring text(static_cast<std::size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

enum class Act { None, Type, Paste, Click, ClickToMessage };
enum class Look { Text, TextEnds, Enabled, Visible, Checked, MessageContains, Name, Announced, Focused, StateChanged };

struct Step {
    const char* what;
    Act act;
    const char* control; // acted on
    const char* text;    // typed; for Paste, how many digits
    Look look;
    const char* looked_at; // the control whose state is checked
    const char* expected;  // text, "1"/"0" for Enabled, Visible and Checked
};

constexpr Step kSteps[] = {
    {"voltage is the unknown at start", Act::None, "", "", Look::Enabled, "VoltInput", "0"},
    {"the formula in use", Act::None, "", "", Look::Text, "Formula", "V = R * I"},
    {"the help text is hidden", Act::None, "", "", Look::Visible, "TESTO", "0"},
    {"a resistor code", Act::Type, "OhmInput", "4k7", Look::Text, "OhmInput", "4k7"},
    {"a current in milliampere", Act::Type, "AmpereInput", "2m", Look::Enabled, "AmpereInput", "1"},
    {"4k7 by 2m", Act::Click, "CALCOLO", "", Look::Text, "VoltOutput", "9,4"},
    {"the result is announced", Act::None, "", "", Look::Announced, "",
     "Tensione V (volt), risultato: 9,4 volt. V uguale R"},
    // What a screen reader reads of each kind of control.
    {"a result's name, with its unit", Act::None, "", "", Look::Name, "VoltOutput",
     "Tensione V (volt), risultati: 9,4 volt"},
    {"the help box's name", Act::None, "", "", Look::Name, "TESTO", "Testo di aiuto"},
    {"the unknown's box is emptied", Act::None, "", "", Look::Text, "VoltInput", ""},
    {"a zero operand", Act::Type, "AmpereInput", "0", Look::Text, "AmpereInput", "0"},
    {"is said, though nothing shows it", Act::Click, "CALCOLO", "", Look::Announced, "", "Nessun risultato: I è zero."},
    {"a text that is no number", Act::Type, "AmpereInput", "abc", Look::Text, "AmpereInput", "abc"},
    {"is refused in a message", Act::ClickToMessage, "CALCOLO", "", Look::MessageContains, "",
     "Corrente I (ampere): il testo \"abc\" non è un numero."},
    {"and the text stays", Act::None, "", "", Look::Text, "AmpereInput", "abc"},
    {"the focus is back where it was", Act::None, "", "", Look::Focused, "CALCOLO", "1"},
    {"a 10 MB paste beside abc is held, its length shown", Act::Paste, "AmpereInput", "10000000", Look::TextEnds,
     "AmpereInput", "(10\u00a0000\u00a0003 caratteri)"},
    {"OHM makes R the unknown", Act::Click, "OHM", "", Look::Text, "Formula", "R = V / I"},
    {"its box disabled", Act::None, "", "", Look::Enabled, "OhmInput", "0"},
    {"OHM checked", Act::None, "", "", Look::Checked, "OHM", "1"},
    {"a screen reader is told", Act::None, "", "", Look::StateChanged, "OHM", "1"},
    {"VOLT no longer", Act::None, "", "", Look::Checked, "VOLT", "0"},
    {"HELP shows the help text", Act::Click, "HELP", "", Look::Visible, "TESTO", "1"},
    {"EXIT HELP hides it", Act::Click, "exithelp", "", Look::Visible, "TESTO", "0"},
};

int failures = 0;
std::vector<HWND> state_changed; // the controls whose state changed since the latest action

void CALLBACK state_change(HWINEVENTHOOK, DWORD, HWND window, LONG, LONG, DWORD, DWORD)
{
    state_changed.push_back(window);
}

void report(const char* what, bool passed, const std::string& seen)
{
    std::printf("%s: %s%s%s\n", passed ? "ok" : "FAILED", what, passed ? "" : ", seen: ", passed ? "" : seen.c_str());
    failures += passed ? 0 : 1;
}

template <typename Condition>
bool wait_until(Condition condition, DWORD milliseconds = 20000)
{
    const ULONGLONG end = GetTickCount64() + milliseconds;
    while (GetTickCount64() < end) {
        if (condition()) {
            return true;
        }
        // Events from the program's hooks come as messages of this thread.
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
        Sleep(20);
    }
    return false;
}

struct Found {
    DWORD process;
    const wchar_t* window_class;
    HWND window;
};

// A top-level window of the process with the given class (any class when null).
HWND window_of(DWORD process, const wchar_t* window_class)
{
    Found found{process, window_class, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* f = reinterpret_cast<Found*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            if (owner == f->process && IsWindowVisible(window) &&
                (f->window_class == nullptr || std::wstring(name) == f->window_class)) {
                f->window = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found.window;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: win32_driver PATH\\TO\\torvanel.exe\n");
        return 2;
    }
    std::wstring command = L"\"" + to_utf16(argv[1]) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION program{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &program)) {
        std::fprintf(stderr, "cannot start %s (error %lu)\n", argv[1], GetLastError());
        return 1;
    }
    HWND window = nullptr;
    wait_until([&] { return (window = window_of(program.dwProcessId, L"TORVANEL")) != nullptr; });
    report("the window opens", window != nullptr, "no window");
    if (window == nullptr) {
        TerminateProcess(program.hProcess, 1);
        return 1;
    }
    const std::string title(torvanel::calculator_window_description().title);
    report("its title", to_utf8(window_text(window)) == title, to_utf8(window_text(window)));

    const auto control = [window](const char* name) { return GetDlgItem(window, control_id(name)); };
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    torvanel::win32::msaa::AnnouncementListener announcements(program.dwProcessId);
    SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_STATECHANGE, nullptr, &state_change, program.dwProcessId, 0,
                    WINEVENT_OUTOFCONTEXT);
    for (const Step& step : kSteps) {
        std::string message;
        if (step.act != Act::None) {
            announcements.forget(); // what an action makes heard, not what came before it
            state_changed.clear();
        }
        switch (step.act) {
        case Act::None:
            break;
        case Act::Type:
            SendMessageW(control(step.control), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(to_utf16(step.text).c_str()));
            break;
        case Act::Paste: {
            const std::wstring digits(std::stoul(step.text), L'7');
            if (OpenClipboard(nullptr)) {
                EmptyClipboard();
                HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (digits.size() + 1) * sizeof(wchar_t));
                CopyMemory(GlobalLock(memory), digits.c_str(), (digits.size() + 1) * sizeof(wchar_t));
                GlobalUnlock(memory);
                SetClipboardData(CF_UNICODETEXT, memory);
                CloseClipboard();
            }
            const ULONGLONG start = GetTickCount64();
            SendMessageW(control(step.control), WM_PASTE, 0, 0);
            std::printf("(the paste took %llu ms)\n", GetTickCount64() - start);
            break;
        }
        case Act::Click:
            SendMessageW(control(step.control), BM_CLICK, 0, 0);
            break;
        case Act::ClickToMessage: {
            // The message box is modal: the click returns only once it is closed.
            PostMessageW(control(step.control), BM_CLICK, 0, 0);
            HWND box = nullptr;
            wait_until([&] { return (box = window_of(program.dwProcessId, L"#32770")) != nullptr; });
            if (box != nullptr) {
                message = to_utf8(window_text(GetDlgItem(box, 0xFFFF)));
                if (to_utf8(window_text(box)) != "TORVANEL") {
                    message = "a message box titled " + to_utf8(window_text(box));
                }
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                wait_until([&] { return !IsWindow(box); });
            }
            break;
        }
        }
        std::string seen;
        HWND looked_at = *step.looked_at == '\0' ? nullptr : control(step.looked_at);
        switch (step.look) {
        case Look::Text:
            seen = to_utf8(window_text(looked_at));
            break;
        case Look::TextEnds:
            seen = to_utf8(window_text(looked_at));
            report(step.what, seen.ends_with(step.expected), seen);
            continue;
        case Look::Enabled:
            seen = IsWindowEnabled(looked_at) ? "1" : "0";
            break;
        case Look::Visible:
            seen = IsWindowVisible(looked_at) ? "1" : "0";
            break;
        case Look::Checked:
            seen = SendMessageW(looked_at, BM_GETCHECK, 0, 0) == BST_CHECKED ? "1" : "0";
            break;
        case Look::MessageContains:
            seen = message;
            report(step.what, message.find(step.expected) != std::string::npos, seen);
            continue;
        case Look::Name:
            seen = torvanel::win32::msaa::look(looked_at, torvanel::win32::msaa::Part::Name);
            break;
        case Look::Focused: {
            // Another process's focus, as a screen reader finds it.
            GUITHREADINFO thread{};
            thread.cbSize = sizeof thread;
            wait_until([&] { return GetGUIThreadInfo(program.dwThreadId, &thread) && thread.hwndFocus == looked_at; },
                       5000);
            seen = thread.hwndFocus == looked_at ? "1"
                                                 : "focus on a window titled " + to_utf8(window_text(thread.hwndFocus));
            break;
        }
        case Look::StateChanged: {
            const auto told = [&] { return std::count(state_changed.begin(), state_changed.end(), looked_at) == 1; };
            wait_until(told, 5000);
            seen = told() ? "1"
                          : std::to_string(std::count(state_changed.begin(), state_changed.end(), looked_at)) +
                                " state changes";
            break;
        }
        case Look::Announced:
            wait_until([&] { return announcements.heard().find(step.expected) != std::string::npos; }, 5000);
            seen = announcements.heard();
            report(step.what, seen.find(step.expected) != std::string::npos, seen);
            continue;
        }
        report(step.what, seen == step.expected, seen);
    }

    // Every element a screen reader meets in the window's tree shows something.
    int strays = 0;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM count) {
            RECT place{};
            GetWindowRect(child, &place);
            *reinterpret_cast<int*>(count) += IsWindowVisible(child) && IsRectEmpty(&place) ? 1 : 0;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&strays));
    report("no zero-size element in the window", strays == 0, std::to_string(strays) + " of them");
    SendMessageW(control("Fine"), BM_CLICK, 0, 0);
    DWORD status = 1;
    const bool ended = WaitForSingleObject(program.hProcess, 20000) == WAIT_OBJECT_0;
    GetExitCodeProcess(program.hProcess, &status);
    report("FINE ends the program with status 0", ended && status == 0, "status " + std::to_string(status));
    if (!ended) {
        TerminateProcess(program.hProcess, 1);
    }
    CloseHandle(program.hThread);
    CloseHandle(program.hProcess);
    const int checks = static_cast<int>(std::size(kSteps)) + 4;
    std::printf("%d passed, %d failed\n", checks - failures, failures);
    return failures == 0 ? 0 : 1;
}
