#include "core/control_model.hpp"
#include "core/host_errors.hpp"
#include "core/windows_1252.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace torvanel {
namespace {

TEST(WindowDescription, TabIndexesAreUniqueAndDense)
{
    std::set<int> indexes;
    for (const ControlDescription& control : calculator_window_description().controls) {
        indexes.insert(control.tab_index);
    }
    EXPECT_EQ(indexes.size(), 18u);
    EXPECT_EQ(*indexes.begin(), 0);
    EXPECT_EQ(*indexes.rbegin(), 17);
}

TEST(WindowDescription, ClientAreaShowsEveryControl)
{
    const WindowDescription& window = calculator_window_description();
    int right = 0;
    int bottom = 0;
    for (const ControlDescription& control : window.controls) {
        right = std::max(right, control.geometry.left + control.geometry.width);
        bottom = std::max(bottom, control.geometry.top + control.geometry.height);
        // Every control sits on whole pixels.
        for (int twips :
             {control.geometry.left, control.geometry.top, control.geometry.width, control.geometry.height}) {
            EXPECT_EQ(twips % kTwipsPerPixel, 0) << control.name;
        }
    }
    EXPECT_EQ(right, 8775);
    EXPECT_EQ(bottom, 6255);
    EXPECT_GE(window.client_width_twips, right);
    EXPECT_GE(window.client_height_twips, bottom);
}

TEST(WindowDescription, CaptionsTitleAndMessagesAreWindows1252)
{
    const WindowDescription& window = calculator_window_description();
    EXPECT_TRUE(testing::to_windows_1252(window.title).has_value());
    for (const ControlDescription& control : window.controls) {
        EXPECT_TRUE(testing::to_windows_1252(control.caption_or_text).has_value()) << control.name;
        EXPECT_TRUE(testing::to_windows_1252(control.quantity_name).has_value()) << control.name;
    }
    for (char separator : {'.', ','}) {
        for (NumberProblem problem : {NumberProblem::NotANumber, NumberProblem::WrongSeparator,
                                      NumberProblem::OutOfRange, NumberProblem::WrongUnit}) {
            const ConversionError error("OhmInput", "Resistenza R (ohm)", "àx", {0, problem, Unit::Volt}, Unit::Ohm,
                                        separator);
            EXPECT_TRUE(testing::to_windows_1252(error.what()).has_value()) << error.what();
        }
        EXPECT_TRUE(testing::to_windows_1252(ArithmeticError(separator).what()).has_value());
    }
}

TEST(WindowDescription, TitleNamesProgramVersionAndDate)
{
    const std::string title(calculator_window_description().title);
    EXPECT_TRUE(title.starts_with("TORVANEL "));
    EXPECT_NE(title.find(" VER. 1.0 "), std::string::npos);
    EXPECT_TRUE(title.ends_with(" GIUGNO 2000"));
}

TEST(Form, EveryControlStartsAsItsDescriptionSays)
{
    Form form;
    const auto& described = calculator_window_description().controls;
    ASSERT_EQ(form.controls().size(), described.size());
    for (std::size_t i = 0; i < described.size(); ++i) {
        const Control& control = *form.controls()[i];
        ASSERT_EQ(&control.description(), &described[i]) << described[i].name;
        if (control.kind() == ControlKind::TextBox) {
            const auto* box = static_cast<const TextBox*>(&control);
            EXPECT_EQ(box->Text.get(), described[i].caption_or_text) << control.name();
            EXPECT_EQ(box->Background.get(), described[i].background) << control.name();
            EXPECT_EQ(box->Visible.get(), described[i].visible) << control.name();
        } else if (control.kind() == ControlKind::Label) {
            const auto* label = static_cast<const Label*>(&control);
            EXPECT_EQ(label->Caption.get(), described[i].caption_or_text) << control.name();
            EXPECT_EQ(label->Background.get(), described[i].background) << control.name();
        }
    }
}

} // namespace
} // namespace torvanel
