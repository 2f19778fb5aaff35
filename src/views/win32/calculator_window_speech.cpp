#include "views/win32/calculator_window.hpp"

#include "core/control_words.hpp"
#include "core/value_descriptions.hpp"
#include "views/win32/accessibility_library.hpp"
#include "views/win32/utf16.hpp"

// What the window tells a screen reader: each control's name, role and state (the
// system's proxy with what only the program knows), and announcements.
namespace torvanel::win32 {
namespace {

// UI Automation's notification, looked up when first needed: the program still starts
// where the system has none. The provider is an IRawElementProviderSimple.
struct UiaNotifier {
    using HostProvider = HRESULT(WINAPI*)(HWND, IUnknown**);
    using RaiseNotification = HRESULT(WINAPI*)(IUnknown*, int, int, BSTR, BSTR);
    HostProvider host_provider = nullptr;
    RaiseNotification raise = nullptr;

    UiaNotifier()
    {
        if (HMODULE uia = LoadLibraryW(L"uiautomationcore.dll")) {
            host_provider =
                reinterpret_cast<HostProvider>(reinterpret_cast<void*>(GetProcAddress(uia, "UiaHostProviderFromHwnd")));
            raise = reinterpret_cast<RaiseNotification>(
                reinterpret_cast<void*>(GetProcAddress(uia, "UiaRaiseNotificationEvent")));
        }
    }
    void notify(HWND window, const std::wstring& words) const
    {
        constexpr int kActionCompleted = 2;
        constexpr int kImportantMostRecent = 1;
        if (host_provider == nullptr || raise == nullptr) {
            return;
        }
        const AccessibilityLibrary& library = AccessibilityLibrary::get();
        IUnknown* provider = nullptr;
        if (library.allocate_string == nullptr || library.free_string == nullptr ||
            FAILED(host_provider(window, &provider))) {
            return;
        }
        constexpr std::wstring_view kActivity = L"TORVANEL";
        BSTR text = library.allocate_string(words.data(), static_cast<UINT>(words.size()));
        BSTR activity = library.allocate_string(kActivity.data(), static_cast<UINT>(kActivity.size()));
        raise(provider, kActionCompleted, kImportantMostRecent, text, activity);
        library.free_string(text);
        library.free_string(activity);
        provider->Release();
    }
};

} // namespace

bool CalculatorWindow::answer_accessibility(HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& answer)
{
    const Child* child = child_of(window);
    if (child == nullptr) {
        return false;
    }
    if (message == WM_GETOBJECT) {
        answer = accessible_object(window, wparam, lparam);
        return answer != 0;
    }
    if (message == kAccessibleNodeMessage) {
        *reinterpret_cast<AccessibleNode*>(lparam) = presenter_.node(*child->control);
        answer = 1;
        return true;
    }
    return false;
}

void CalculatorWindow::announce(const std::string& words)
{
    static const UiaNotifier uia;
    const std::wstring spoken = to_utf16(words);
    SetWindowTextW(announcement_, spoken.c_str());
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, announcement_, OBJID_CLIENT, CHILDID_SELF);
    uia.notify(window_, spoken);
}

} // namespace torvanel::win32
