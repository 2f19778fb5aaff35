#include "views/win32/accessible_control.hpp"

#include "views/win32/accessibility_library.hpp"
#include "views/win32/utf16.hpp"

#include <optional>

namespace torvanel::win32 {
namespace {

bool is_self(const VARIANT& child)
{
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

HRESULT answer(const std::string& text, BSTR* out)
{
    const std::wstring wide = to_utf16(text);
    *out = AccessibilityLibrary::get().allocate_string(wide.data(), static_cast<UINT>(wide.size()));
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

LONG role_of(AccessibleRole role)
{
    switch (role) {
    case AccessibleRole::PushButton:
        return ROLE_SYSTEM_PUSHBUTTON;
    case AccessibleRole::RadioButton: // the proxy would call a push-like check box a check box
        return ROLE_SYSTEM_RADIOBUTTON;
    case AccessibleRole::EditableText:
        return ROLE_SYSTEM_TEXT;
    case AccessibleRole::StaticText:
        break;
    }
    return ROLE_SYSTEM_STATICTEXT;
}

// The system's proxy for a standard control, with what this program knows better
// answered first. Everything else goes to the proxy.
class AccessibleControl final : public IAccessible {
public:
    AccessibleControl(HWND control, IAccessible* proxy) : control_(control), proxy_(proxy) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override
    {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (IsEqualIID(id, kIidUnknown) || IsEqualIID(id, kIidDispatch) || IsEqualIID(id, kIidAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        // Only these: the proxy's other interfaces (its service provider among them) would
        // let a client take this object for the proxy and read the proxy's answers.
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            proxy_->Release();
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    // IDispatch: none; through the proxy's, a late-bound client would read the proxy's answers.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }

    // IAccessible: what the program knows
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        const auto told = node();
        return is_self(child) && told && !told->name.empty() ? answer(told->name, name)
                                                             : proxy_->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override
    {
        const auto told = node();
        return is_self(child) && told && !told->description.empty() ? answer(told->description, description)
                                                                    : proxy_->get_accDescription(child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        const auto told = node();
        if (!is_self(child) || !told) {
            return proxy_->get_accRole(child, role);
        }
        role->vt = VT_I4;
        role->lVal = role_of(told->role);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        const HRESULT result = proxy_->get_accState(child, state);
        const auto told = node();
        if (SUCCEEDED(result) && is_self(child) && state->vt == VT_I4 && told &&
            told->role == AccessibleRole::RadioButton) {
            state->lVal = (state->lVal & ~STATE_SYSTEM_CHECKED) | (told->checked ? STATE_SYSTEM_CHECKED : 0);
        }
        return result;
    }

    // IAccessible: the proxy's
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return proxy_->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override { return proxy_->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** dispatch) override
    {
        return proxy_->get_accChild(child, dispatch);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        return proxy_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override
    {
        return proxy_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override
    {
        return proxy_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override
    {
        return proxy_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return proxy_->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override
    {
        return proxy_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override
    {
        return proxy_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG how, VARIANT child) override { return proxy_->accSelect(how, child); }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override
    {
        return proxy_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override
    {
        return proxy_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG left, LONG top, VARIANT* child) override
    {
        return proxy_->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override { return proxy_->accDoDefaultAction(child); }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override
    {
        return proxy_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override
    {
        return proxy_->put_accValue(child, value);
    }

private:
    ~AccessibleControl() = default;

    // Asked of the window each time: what it shows changes, and a screen reader may
    // keep the object after the window is gone.
    // Empty (the proxy's answers) when the window no longer answers.
    std::optional<AccessibleNode> node() const
    {
        AccessibleNode told;
        if (IsWindow(control_) && SendMessageW(control_, kAccessibleNodeMessage, 0, reinterpret_cast<LPARAM>(&told))) {
            return told;
        }
        return std::nullopt;
    }

    HWND control_;
    IAccessible* proxy_;
    LONG references_ = 1;
};

} // namespace

LRESULT accessible_object(HWND control, WPARAM wparam, LPARAM lparam)
{
    if (static_cast<DWORD>(lparam) != static_cast<DWORD>(OBJID_CLIENT)) {
        return 0;
    }
    AccessibilityLibrary::start_com();
    const AccessibilityLibrary& library = AccessibilityLibrary::get();
    IAccessible* proxy = nullptr;
    if (library.create_standard_object == nullptr || library.result_from_object == nullptr ||
        library.allocate_string == nullptr ||
        FAILED(
            library.create_standard_object(control, OBJID_CLIENT, kIidAccessible, reinterpret_cast<void**>(&proxy)))) {
        return 0;
    }
    auto* object = new AccessibleControl(control, proxy);
    const LRESULT result = library.result_from_object(kIidAccessible, wparam, static_cast<IAccessible*>(object));
    object->Release();
    return result;
}

} // namespace torvanel::win32
