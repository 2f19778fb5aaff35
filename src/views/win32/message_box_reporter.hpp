#pragma once

#include "core/host.hpp"

#include <windows.h>

namespace torvanel::win32 {

// Shows an error that ended a handler in a modal message box titled TORVANEL.
class MessageBoxReporter final : public ErrorReporter {
public:
    void set_owner(HWND owner) noexcept { owner_ = owner; }
    void report(const HostError& error) override;

private:
    HWND owner_ = nullptr;
};

} // namespace torvanel::win32
