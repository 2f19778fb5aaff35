#pragma once

#include <windows.h>

#include <string>

namespace torvanel::win32 {

// The clipboard's text; empty when it holds none.
std::wstring clipboard_text(HWND owner);
// Puts text on the clipboard; an empty text leaves it alone.
void copy_to_clipboard(HWND owner, const std::wstring& text);

} // namespace torvanel::win32
