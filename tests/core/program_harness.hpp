#pragma once

#include "app/event_bindings.hpp"
#include "core/host.hpp"

#include <string>
#include <vector>

namespace torvanel::testing {

struct ReportedError {
    std::string message;
    bool is_conversion = false;
    std::string control; // for conversion errors
    NumberProblem problem = NumberProblem::None;
};

class RecordingReporter final : public ErrorReporter {
public:
    void report(const HostError& error) override
    {
        ReportedError reported;
        reported.message = error.what();
        if (const auto* conversion = dynamic_cast<const ConversionError*>(&error)) {
            reported.is_conversion = true;
            reported.control = conversion->control_name();
            reported.problem = conversion->problem();
        }
        errors.push_back(std::move(reported));
    }
    std::vector<ReportedError> errors;
};

// The program with its real handlers, without a display; Load already raised.
struct Program {
    explicit Program(char decimal_separator = '.')
        : host(form, calculator_handlers(), reporter, decimal_separator, [this] { ++end_calls; })
    {
        host.raise_load();
    }

    void type(TextBox& box, std::string text) { host.type_text(box, std::move(text)); }
    void click(const Button& button) { host.click(button); }

    Form form;
    RecordingReporter reporter;
    int end_calls = 0;
    Host host;
};

// The visible state of the three rows, for comparing whole snapshots.
struct RowSnapshot {
    std::string input;
    bool enabled;
    std::string output;
    std::optional<Colour> input_background;
    std::optional<Colour> output_background;
    friend bool operator==(const RowSnapshot&, const RowSnapshot&) = default;
};

inline std::vector<RowSnapshot> snapshot(const Form& form)
{
    std::vector<RowSnapshot> rows;
    for (const auto& [input, output] :
         {std::pair{&form.VoltInput, &form.VoltOutput}, std::pair{&form.OhmInput, &form.OhmOutput},
          std::pair{&form.AmpereInput, &form.AmpereOutput}}) {
        rows.push_back({input->Text, input->Enabled, output->Caption, input->Background, output->Background});
    }
    return rows;
}

inline constexpr Colour kRed = Colour::from_rgb(255, 0, 0);
inline constexpr Colour kWhite = Colour::from_rgb(255, 255, 255);

} // namespace torvanel::testing
