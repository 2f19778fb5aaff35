#include "views/win32/message_box_reporter.hpp"

#include "views/win32/utf16.hpp"

namespace torvanel::win32 {

void MessageBoxReporter::report(const HostError& error)
{
    MessageBoxW(owner_, to_utf16(error.what()).c_str(), to_utf16(calculator_window_description().name).c_str(),
                MB_OK | MB_ICONWARNING);
}

} // namespace torvanel::win32
