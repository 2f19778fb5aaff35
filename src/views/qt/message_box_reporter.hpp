#pragma once

#include "core/host.hpp"

class QWidget;

namespace torvanel {

// Shows an error that ended a handler in a modal message box titled TORVANEL.
class MessageBoxReporter final : public ErrorReporter {
public:
    void set_parent(QWidget* parent) noexcept { parent_ = parent; }
    void report(const HostError& error) override;

private:
    QWidget* parent_ = nullptr;
};

} // namespace torvanel
