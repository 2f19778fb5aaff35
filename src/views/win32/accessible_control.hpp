#pragma once

#include "core/presenter.hpp"

#include <windows.h>

#include <oleacc.h>

namespace torvanel::win32 {

// The interface ids spelled out: MinGW-w64's import library resolves IID_IAccessible
// to other bytes than oleacc answers to.
inline constexpr IID kIidAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
inline constexpr IID kIidDispatch = {0x00020400, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr IID kIidUnknown = {0x00000000, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// Sent to a control's window to fill the AccessibleNode (lParam) a screen reader is told
// of beyond what the system's own proxy knows; a window that is gone leaves it as it was.
inline constexpr UINT kAccessibleNodeMessage = WM_APP + 0x41;

// The answer to WM_GETOBJECT for a control's client area: the system's proxy with the
// name (none: the proxy's, the window text), description, role and state the control's
// window gives through kAccessibleNodeMessage. 0 for any other object asked for.
LRESULT accessible_object(HWND control, WPARAM wparam, LPARAM lparam);

} // namespace torvanel::win32
