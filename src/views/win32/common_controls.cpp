#include "views/win32/common_controls.hpp"

#include <windows.h>

#include <commctrl.h>

namespace torvanel::win32 {

void register_common_controls()
{
    static const bool registered = [] {
        const HMODULE library = LoadLibraryW(L"comctl32.dll");
        const auto initialise = reinterpret_cast<decltype(&InitCommonControlsEx)>(
            library != nullptr ? reinterpret_cast<void*>(GetProcAddress(library, "InitCommonControlsEx")) : nullptr);
        const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
        return initialise != nullptr && initialise(&classes) != FALSE;
    }();
    (void)registered;
}

} // namespace torvanel::win32
