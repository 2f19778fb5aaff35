#include "views/win32/accessibility_library.hpp"

namespace torvanel::win32 {
namespace {

template <typename Routine>
void look_up(HMODULE library, const char* name, Routine& routine)
{
    if (library != nullptr) {
        routine = reinterpret_cast<Routine>(reinterpret_cast<void*>(GetProcAddress(library, name)));
    }
}

} // namespace

const AccessibilityLibrary& AccessibilityLibrary::get()
{
    static const AccessibilityLibrary loaded = [] {
        AccessibilityLibrary library;
        const HMODULE oleacc = LoadLibraryW(L"oleacc.dll");
        const HMODULE oleaut = LoadLibraryW(L"oleaut32.dll");
        look_up(oleacc, "CreateStdAccessibleObject", library.create_standard_object);
        look_up(oleacc, "LresultFromObject", library.result_from_object);
        look_up(oleaut, "SysAllocStringLen", library.allocate_string);
        look_up(oleaut, "SysFreeString", library.free_string);
        return library;
    }();
    return loaded;
}

void AccessibilityLibrary::start_com()
{
    static const bool started = [] {
        decltype(&CoInitializeEx) initialise = nullptr;
        look_up(LoadLibraryW(L"ole32.dll"), "CoInitializeEx", initialise);
        return initialise != nullptr && SUCCEEDED(initialise(nullptr, COINIT_APARTMENTTHREADED));
    }();
    (void)started;
}

} // namespace torvanel::win32
