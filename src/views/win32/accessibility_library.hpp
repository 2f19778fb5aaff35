#pragma once

#include <windows.h>

#include <objbase.h>
#include <oleacc.h>

namespace torvanel::win32 {

// The system's accessibility and BSTR routines, from oleacc.dll and oleaut32.dll loaded
// when first needed: only a screen reader's question or an announcement needs them,
// and every library loaded at start-up adds to the time before the window shows.
// A routine stays null where its library is missing.
struct AccessibilityLibrary {
    decltype(&CreateStdAccessibleObject) create_standard_object = nullptr;
    decltype(&LresultFromObject) result_from_object = nullptr;
    decltype(&SysAllocStringLen) allocate_string = nullptr;
    decltype(&SysFreeString) free_string = nullptr;

    static const AccessibilityLibrary& get();
    // COM on the calling thread (the window's), once, for handing out accessible
    // objects; the apartment lasts as long as the thread.
    static void start_com();
};

} // namespace torvanel::win32
