#pragma once

// A control as MSAA gives it to a screen reader, in this process or another: its name,
// description, and role with its states in the words the parity scenarios use.

#include "views/win32/accessible_control.hpp"
#include "views/win32/utf16.hpp"

#include <windows.h>

#include <oleacc.h>

#include <string>

namespace torvanel::win32::msaa {

enum class Part { Name, Description, Role };

inline std::string look(HWND control, Part part)
{
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), kIidAccessible,
                                          reinterpret_cast<void**>(&accessible)))) {
        return "(no accessible object)";
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    std::string seen;
    if (part != Part::Role) {
        BSTR text = nullptr;
        if (SUCCEEDED(part == Part::Name ? accessible->get_accName(self, &text)
                                         : accessible->get_accDescription(self, &text)) &&
            text != nullptr) {
            seen = to_utf8(text);
            SysFreeString(text);
        }
    } else {
        VARIANT role{};
        VARIANT state{};
        accessible->get_accRole(self, &role);
        accessible->get_accState(self, &state);
        const LONG r = role.vt == VT_I4 ? role.lVal : 0;
        seen = r == ROLE_SYSTEM_RADIOBUTTON  ? "radio button"
               : r == ROLE_SYSTEM_PUSHBUTTON ? "push button"
               : r == ROLE_SYSTEM_TEXT       ? "text"
               : r == ROLE_SYSTEM_STATICTEXT ? "label"
                                             : "role " + std::to_string(r);
        const LONG states = state.vt == VT_I4 ? state.lVal : 0;
        seen += (states & STATE_SYSTEM_CHECKED) != 0 ? ", checked" : "";
        seen += (states & STATE_SYSTEM_UNAVAILABLE) != 0 ? ", disabled" : "";
        seen += (states & STATE_SYSTEM_READONLY) != 0 ? ", read-only" : "";
    }
    accessible->Release();
    return seen;
}

// What a screen reader announces: the name of the object of the latest live-region
// change, heard through SetWinEventHook as the events come to this thread's messages.
class AnnouncementListener {
public:
    explicit AnnouncementListener(DWORD process = GetCurrentProcessId())
        : hook_(SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr, &heard,
                                process, 0, WINEVENT_OUTOFCONTEXT))
    {
        forget();
    }
    ~AnnouncementListener() { UnhookWinEvent(hook_); }
    AnnouncementListener(const AnnouncementListener&) = delete;
    AnnouncementListener& operator=(const AnnouncementListener&) = delete;

    std::string heard() const { return to_utf8(heard_); }
    void forget() { heard_.clear(); }

private:
    static void CALLBACK heard(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD)
    {
        IAccessible* accessible = nullptr;
        VARIANT which{};
        if (SUCCEEDED(AccessibleObjectFromEvent(window, object, child, &accessible, &which))) {
            BSTR name = nullptr;
            if (SUCCEEDED(accessible->get_accName(which, &name)) && name != nullptr) {
                heard_ = name;
                SysFreeString(name);
            }
            accessible->Release();
        }
    }

    inline static std::wstring heard_;
    HWINEVENTHOOK hook_;
};

} // namespace torvanel::win32::msaa
