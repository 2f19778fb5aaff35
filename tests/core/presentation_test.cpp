#include "core/announcement_queue.hpp"
#include "core/caption_fitting.hpp"
#include "core/control_words.hpp"
#include "core/held_text.hpp"
#include "core/keys.hpp"
#include "core/presentation.hpp"
#include "core/presenter.hpp"
#include "core/program_harness.hpp"
#include "core/spoken_words.hpp"
#include "core/value_descriptions.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace torvanel {
namespace {

// A result typed as a user does it, then what its menu copies and what is announced.
TEST(ResultPresentation, CopiesAFigureOrNothingAndNeverCallsAnUnderflowZero)
{
    struct ResultCase {
        const char* volts;
        const char* ohms;
        const char* caption;
        const char* spoken; // what the announcement says of the result
    };
    const ResultCase cases[] = {
        {"1E-200", "1E200", "0", "risultato: troppo piccolo per essere rappresentato, mostrato come 0"},
        {"1E-300", "1E10", "1E-310", "risultato: 1 per dieci alla meno 310 ampere"},
        {"9", "3k", "0,003", "risultato: 3 milliampere"},
    };
    for (const ResultCase& c : cases) {
        testing::Program program(',');
        Presentation presentation(program.form, ',');
        program.click(program.form.AMPERE);
        program.type(program.form.VoltInput, c.volts);
        program.type(program.form.OhmInput, c.ohms);
        program.click(program.form.CALCOLO);
        const Label& result = program.form.AmpereOutput;
        ASSERT_EQ(result.Caption.get(), c.caption);
        presentation.described(result, PropertyName::Caption);

        const std::string said = announcement(program.form, result, PropertyName::Caption, ',');
        EXPECT_NE(said.find(c.spoken), std::string::npos) << said;
        EXPECT_EQ(said.find("= 0 "), std::string::npos) << said;
        // Each copy is a figure that reads back as the value shown, never a sentence.
        for (const auto& entry : presentation.result_menu(result)) {
            ASSERT_TRUE(entry.copies.has_value()) << entry.words;
            if (entry.words != kCopyCalculationWords) {
                const NumberReading copied = number_from_text(*entry.copies, ',', Unit::Ampere);
                EXPECT_EQ(copied.problem, NumberProblem::None) << *entry.copies;
                EXPECT_EQ(copied.value, number_from_text(c.caption, ',').value) << *entry.copies;
            }
        }
        EXPECT_EQ(presentation.copy_result().text, std::optional<std::string>(c.caption));
    }
}

TEST(ResultPresentation, NothingToCopyWithoutAResult)
{
    testing::Program program(',');
    Presentation presentation(program.form, ',');
    for (const auto& entry : presentation.result_menu(program.form.VoltOutput)) {
        EXPECT_FALSE(entry.copies.has_value()) << entry.words;
    }
    EXPECT_FALSE(presentation.copy_result().text.has_value());
    EXPECT_EQ(presentation.copy_result().announcement, kNothingToCopyWords);
}

TEST(ResultPresentation, ReadBackOnlyForTheKnownBoxes)
{
    testing::Program program(',');
    Presentation presentation(program.form, ',');
    program.click(program.form.OHM);
    program.type(program.form.VoltInput, "5");
    program.type(program.form.AmpereInput, "1m");
    program.click(program.form.CALCOLO);
    const auto readings = presentation.readings();
    ASSERT_EQ(readings.size(), 2u);
    EXPECT_EQ(readings[0].first, &program.form.VoltInput);
    EXPECT_EQ(readings[0].second.tooltip, "letto come 5 V");
    EXPECT_EQ(readings[1].first, &program.form.AmpereInput);
    EXPECT_EQ(readings[1].second.tooltip, "letto come 0,001 A");
    EXPECT_EQ(readings[1].second.accessible, "letto come 0,001 ampere");
}

// One object: the name says the quantity and the result in words, the description how it came about.
TEST(ResultPresentation, AResultIsNamedWithItsValueAndDescribedByItsCalculation)
{
    testing::Program program(',');
    Presentation presentation(program.form, ',');
    const Label& result = program.form.VoltOutput;
    EXPECT_EQ(presentation.accessible_name(result), "Tensione V (volt), risultati");
    program.type(program.form.OhmInput, "4k7");
    program.type(program.form.AmpereInput, "2m");
    program.click(program.form.CALCOLO);
    const auto described = presentation.described(result, PropertyName::Caption);
    ASSERT_TRUE(described.has_value());
    EXPECT_EQ(presentation.accessible_name(result), "Tensione V (volt), risultati: 9,4 volt");
    EXPECT_EQ(described->accessible,
              "V uguale R per I uguale 4,7 chiloohm per 2 milliampere uguale 9,4 volt. potenza 18,8 milliwatt");
    EXPECT_TRUE(described->tooltip.starts_with("9,4 V\nV = R × I = 4,7 kΩ × 2 mA = 9,4 V\n")) << described->tooltip;
}

// What is shown keeps its symbols; what is heard has words for units, prefixes,
// operators and powers of ten, and leaves everything else as it is.
TEST(SpokenWords, SymbolsBecomeItalianWords)
{
    const std::pair<const char*, const char*> cases[] = {
        {"R = V / I", "R uguale V diviso I"},
        {"V = R * I", "V uguale R per I"},
        {"E12: 560 Ω – 680 Ω", "E12: 560 ohm o 680 ohm"},
        {"4,7 kΩ (valore standard).", "4,7 chiloohm (valore standard)."},
        {"1,5 µA, 2 pW; 3 GV. 7 TΩ", "1,5 microampere, 2 picowatt; 3 gigavolt. 7 teraohm"},
        {"-1E-12 A", "-1 per dieci alla meno 12 ampere"},
        {"9,99E+20 nA", "9,99 per dieci alla 20 nanoampere"},
        {"I V A", "I V A"},                 // letters of quantities, not units: no figure before them
        {"5 Volt, 5 kV2", "5 Volt, 5 kV2"}, // not a symbol as the calculator writes it
        {"", ""},
    };
    for (const auto& [shown, heard] : cases) {
        EXPECT_EQ(spoken_words(shown), heard) << shown;
    }
}

// The model may fail to take a huge text: told, the box keeps it, and no click works on an older text.
TEST(ClickPresentation, TypingTheModelRefusedIsHandedOverBeforeAClick)
{
    testing::Program program(',');
    Presentation presentation(program.form, ',');
    program.type(program.form.AmpereInput, "2m");
    bool refuse = true;
    program.form.set_observer([&refuse](const Control&, PropertyName property) {
        if (refuse && property == PropertyName::Text) {
            throw std::bad_alloc();
        }
    });
    // The box shows "1k" by the time of the click.
    const auto shown = [](const TextBox& box) { return box.name() == "OhmInput" ? "1k" : box.Text.get(); };
    EXPECT_FALSE(presentation.hand_over_typing(program.host, program.form.OhmInput, "4k"));
    EXPECT_EQ(program.reporter.errors.size(), 1u);
    EXPECT_FALSE(presentation.click(program.host, program.form.CALCOLO, shown).clicked);
    EXPECT_EQ(program.form.VoltOutput.Caption.get(), "");
    refuse = false;
    EXPECT_TRUE(presentation.click(program.host, program.form.CALCOLO, shown).clicked);
    EXPECT_EQ(program.form.VoltOutput.Caption.get(), "2");
}

// A view that writes down what the presenter tells it, in order.
class RecordingSurface final : public ViewSurface {
public:
    void show_property(const Control& control, PropertyName property) override
    {
        log.push_back("show " + std::string(control.name()) + " " + std::to_string(static_cast<int>(property)));
    }
    void show_chosen(const Control& button, bool chosen) override
    {
        log.push_back((chosen ? "chosen " : "not chosen ") + std::string(button.name()));
    }
    void describe(const Control& control) override { log.push_back("describe " + std::string(control.name())); }
    void announce(const std::string& words) override { log.push_back("say " + words); }
    void copy_to_clipboard(const std::string& text) override { log.push_back("copy " + text); }
    std::string shown_text(const TextBox& box) const override
    {
        return typed.contains(&box) ? typed.at(&box) : box.Text.get();
    }
    bool showing() const override { return true; }
    void paint_now() override { log.push_back("paint"); }

    std::size_t first(std::string_view start) const
    {
        return std::find_if(log.begin(), log.end(), [start](const auto& line) { return line.starts_with(start); }) -
               log.begin();
    }
    std::size_t count(std::string_view start) const
    {
        return std::count_if(log.begin(), log.end(), [start](const auto& line) { return line.starts_with(start); });
    }

    std::map<const TextBox*, std::string> typed;
    std::vector<std::string> log;
};

TEST(Presenter, AClickIsShownOnceLooksFirstThenDescriptionsThenOneAnnouncement)
{
    testing::Program program(',');
    RecordingSurface view;
    Presenter presenter(program.form, program.host, view);
    // Typing is shown by the view already: described again, not shown back.
    for (auto [box, text] : {std::pair{&program.form.OhmInput, "4k7"}, std::pair{&program.form.AmpereInput, "2m"}}) {
        view.typed[box] = text;
        presenter.typed(*box);
    }
    EXPECT_EQ(view.count("show OhmInput"), 0u);
    EXPECT_EQ(view.count("describe OhmInput"), 1u);
    // Typing the model does not keep (the unknown's box is disabled) is taken back.
    view.typed[&program.form.VoltInput] = "5";
    presenter.typed(program.form.VoltInput);
    EXPECT_EQ(view.count("show VoltInput"), 1u);
    view.typed.erase(&program.form.VoltInput);
    view.log.clear();
    presenter.click(program.form.CALCOLO);
    EXPECT_EQ(view.count("show VoltOutput"), 1u); // cleared, then written: shown once, as it ends
    EXPECT_LT(view.first("show"), view.first("paint"));
    EXPECT_LT(view.first("paint"), view.first("describe"));
    EXPECT_EQ(view.count("say"), 1u);
    EXPECT_TRUE(view.log.back().starts_with("say Tensione V (volt), risultato: 9,4 volt.")) << view.log.back();
    const AccessibleNode result = presenter.node(program.form.VoltOutput);
    EXPECT_EQ(result.name, "Tensione V (volt), risultati: 9,4 volt");
    EXPECT_TRUE(result.description.starts_with("V uguale R per I")) << result.description;
    EXPECT_TRUE(result.tooltip.starts_with("9,4 V")) << result.tooltip;
    // A selection: the chosen button changes, told as it is shown.
    view.log.clear();
    presenter.click(program.form.OHM);
    EXPECT_LT(view.first("chosen OHM"), view.log.size());
    EXPECT_EQ(presenter.node(program.form.OHM).role, AccessibleRole::RadioButton);
    EXPECT_TRUE(presenter.node(program.form.OHM).checked);
    EXPECT_FALSE(presenter.node(program.form.VOLT).checked);
}

TEST(FocusPresentation, GoesBackToTheControlThatHadItOrTheNextThatCanTakeIt)
{
    testing::Program program(',');
    Presentation presentation(program.form, ',');
    presentation.focus_moved_to(program.form.CALCOLO);
    EXPECT_EQ(&presentation.focus_to_restore(), &program.form.CALCOLO);
    // A box that the selection disabled, or that the help text hid, no longer can.
    presentation.focus_moved_to(program.form.OhmInput);
    program.click(program.form.OHM);
    EXPECT_EQ(&presentation.focus_to_restore(), &program.form.AmpereInput);
    program.click(program.form.VOLT);
    EXPECT_EQ(&presentation.focus_to_restore(), &program.form.OhmInput);
}

// A result is never cut: the caption with its unit gets the largest size that fits, never below 4 points.
TEST(CaptionFitting, LargestQuarterPointSizeThatFitsWithTheUnit)
{
    const ControlDescription& label = control_description("VoltOutput");
    std::string last_measured;
    // A text a point wide per character and point: "12 V" and its margin are 5 characters.
    const auto width = [&](double points, std::string_view text) {
        last_measured = std::string(text);
        return static_cast<int>(points * static_cast<double>(text.size()));
    };
    const double designed = label.font.point_size;
    EXPECT_EQ(fitted_point_size(label, "12", 1000, width), designed);
    EXPECT_EQ(last_measured, "12 Vx");
    EXPECT_EQ(fitted_point_size(label, "12", 40, width), 8.0);  // 5 × 8 = 40 fits
    EXPECT_EQ(fitted_point_size(label, "12", 39, width), 7.75); // a quarter point less
    EXPECT_EQ(fitted_point_size(label, std::string(100, '9'), 40, width), 4.0);
    last_measured.clear();
    EXPECT_EQ(fitted_point_size(label, "", 1, width), designed);
    EXPECT_EQ(last_measured, "");
}

TEST(FocusPresentation, TabGoesRoundTheControlsThatCanTakeTheFocus)
{
    testing::Program program(',');
    Presentation presentation(program.form, ',');
    // VoltInput is disabled and TESTO hidden; labels never take the focus.
    const std::vector<std::string_view> forward{"VOLT",     "CALCOLO",     "Fine", "OHM",      "AMPERE",
                                                "OhmInput", "AmpereInput", "HELP", "exithelp", "VOLT"};
    const Control* at = nullptr;
    for (std::size_t i = 0; i < forward.size(); ++i) {
        at = &presentation.next_in_tab_order(at, false);
        EXPECT_EQ(at->name(), forward[i]) << i;
    }
    for (std::size_t i = forward.size() - 1; i-- > 0;) {
        at = &presentation.next_in_tab_order(at, true);
        EXPECT_EQ(at->name(), forward[i]) << i;
    }
    EXPECT_EQ(presentation.next_in_tab_order(nullptr, true).name(), "exithelp");
}

TEST(AnnouncementQueue, JoinsWhatWaitedIntoSentencesAndSkipsEmptyWords)
{
    AnnouncementQueue queue;
    EXPECT_EQ(queue.add("subito"), "subito"); // not held: said at once
    queue.hold();
    for (const char* words : {"Uno.", "", "due", "tre"}) {
        EXPECT_EQ(queue.add(words), "");
    }
    EXPECT_EQ(queue.release(), "Uno. due. tre");
    EXPECT_EQ(queue.release(), "");
    EXPECT_EQ(queue.add("dopo"), "dopo");
}

// An editor that shows its text whole, with no history of its own.
class PlainEditor final : public TextEditor {
public:
    std::size_t shown_length() const override { return character_count(text); }
    std::string shown_text() const override { return text; }
    void display(const std::string& shown) override
    {
        text = shown;
        caret = text.size();
    }
    void place_caret_after(std::string_view start) override { caret = start.size(); }
    std::string with_selection_replaced(std::string_view inserted) const override
    {
        return text + std::string(inserted);
    }
    bool has_selection() const override { return false; }
    void copy_to_clipboard(const std::string&) override {}

    std::string text;
    std::size_t caret = 0;
};

TEST(HeldText, HeldFromExactlyTheLimitAndUndoOfferedOnlyWhenThereIsSomething)
{
    for (const std::size_t before : {HeldText::kHeldLength - 2, HeldText::kHeldLength - 1}) {
        PlainEditor editor;
        HeldText box(editor, {}, {});
        box.show_text(std::string(before, '7'));
        const bool reaches_limit = before + 1 == HeldText::kHeldLength;
        EXPECT_EQ(box.command(BoxCommand::Type, "x"), reaches_limit) << before;
        EXPECT_EQ(box.holds_text(), reaches_limit) << before;
    }
    PlainEditor editor;
    HeldText box(editor, {}, {});
    const auto undo_enabled = [&box] { return box.menu().front().enabled; };
    box.show_text(std::string(HeldText::kHeldLength, '1')); // the program's text: nothing to undo
    ASSERT_EQ(box.menu().front().words, "Annulla");
    EXPECT_FALSE(undo_enabled());
    box.command(BoxCommand::Paste, std::string(HeldText::kHeldLength, '2'));
    EXPECT_TRUE(undo_enabled());
    box.command(BoxCommand::Undo);
    EXPECT_EQ(box.full_text(), std::string(HeldText::kHeldLength, '1'));
    EXPECT_FALSE(undo_enabled());
    // Redo offered now; a short text with nothing selected: nothing to cut, all to select.
    const auto enabled = [&box] {
        std::string entries;
        for (const auto& entry : box.menu()) {
            entries += entry.enabled ? '1' : '0';
        }
        return entries;
    };
    EXPECT_EQ(enabled(), "0111110"); // Annulla Ripeti Taglia Copia Incolla Elimina, not Seleziona tutto
    box.command(BoxCommand::Erase);
    editor.display("12");
    EXPECT_EQ(enabled(), "1000101");
}

TEST(HeldText, UndoAndRedoGoStepByStepWithARunOfTypingAsOne)
{
    PlainEditor editor;
    HeldText box(editor, {}, {});
    const auto edit = [&](BoxCommand command, const std::string& inserted) {
        if (!box.command(command, inserted)) {
            editor.text += inserted; // the editor's own edit
            box.edited();
        }
    };
    edit(BoxCommand::Type, "1");
    edit(BoxCommand::Type, "2");
    edit(BoxCommand::Paste, "3");
    const std::string long_text(HeldText::kHeldLength, '4');
    edit(BoxCommand::Paste, long_text);
    const auto undo = [&] { return box.command(BoxCommand::Undo), box.full_text(); };
    const auto redo = [&] { return box.command(BoxCommand::Redo), box.full_text(); };
    EXPECT_EQ(undo(), "123");
    EXPECT_EQ(undo(), "12");
    EXPECT_EQ(undo(), "");
    EXPECT_EQ(undo(), "");
    EXPECT_EQ(redo(), "12");
    EXPECT_EQ(redo(), "123");
    EXPECT_EQ(redo(), "123" + long_text);
    EXPECT_EQ(redo(), "123" + long_text);
    // A step taken after an undo drops what redo would have brought back.
    undo();
    edit(BoxCommand::Type, "5");
    EXPECT_EQ(redo(), "1235");
    // Typed elsewhere, a character starts a step of its own. The caret goes where the
    // undone or redone change was, not to the end.
    box.command(BoxCommand::Type, "X");
    editor.text = "1X235";
    box.edited();
    EXPECT_EQ(undo(), "1235");
    EXPECT_EQ(editor.caret, 1u);
    EXPECT_EQ(redo(), "1X235");
    EXPECT_EQ(editor.caret, 2u);
}

TEST(HeldText, TheHistoryKeepsItsLatestStepsWithinItsBound)
{
    PlainEditor editor;
    HeldText box(editor, {}, {});
    const std::string half(HeldText::kHistoryBytes / 2 + 1, 'a');
    for (const char c : {'a', 'b', 'c'}) {
        box.command(BoxCommand::Paste, std::string(half.size(), c));
    }
    box.command(BoxCommand::Undo);
    EXPECT_EQ(box.full_text().front(), 'b');
    box.command(BoxCommand::Undo); // the steps before "b" went to keep within the bound
    EXPECT_EQ(box.full_text().front(), 'b');
}

TEST(Keys, EverySystemMapsTheSameKeysToTheSameCommands)
{
    const auto letter = [](char c, bool shift = false) { return KeyPress{KeyName::Letter, c, {}, false, true, shift}; };
    const auto named = [](KeyName name, bool ctrl, bool shift) { return KeyPress{name, 0, {}, false, ctrl, shift}; };
    const struct {
        KeyPress key;
        std::optional<BoxCommand> box;
        WindowCommand window; // away from the text boxes, with a result shown
    } kKeys[] = {
        {letter('V'), BoxCommand::Paste, WindowCommand::None},
        {named(KeyName::Insert, false, true), BoxCommand::Paste, WindowCommand::None},
        {letter('C'), BoxCommand::Copy, WindowCommand::CopyResult},
        {named(KeyName::Insert, true, false), BoxCommand::Copy, WindowCommand::CopyResult},
        {named(KeyName::Delete, false, true), BoxCommand::Cut, WindowCommand::None},
        {letter('Z'), BoxCommand::Undo, WindowCommand::None},
        {letter('Z', true), BoxCommand::Redo, WindowCommand::None},
        {letter('Y'), BoxCommand::Redo, WindowCommand::None},
        {named(KeyName::Backspace, false, false), BoxCommand::Erase, WindowCommand::None},
        {KeyPress{KeyName::Other, 0, "a"}, BoxCommand::Type, WindowCommand::None},
        {KeyPress{KeyName::Letter, 'A', "a", false, true}, std::nullopt, WindowCommand::None},
        {named(KeyName::Tab, false, true), std::nullopt, WindowCommand::PreviousControl},
        {named(KeyName::F10, false, true), std::nullopt, WindowCommand::OpenResultMenu},
        {named(KeyName::F10, false, false), std::nullopt, WindowCommand::None},
    };
    for (const auto& [key, box, window] : kKeys) {
        SCOPED_TRACE(::testing::Message() << static_cast<int>(key.key) << key.letter << key.shift);
        EXPECT_EQ(box_command(key), box);
        EXPECT_EQ(window_command(key, false, true), window);
    }
    // A text box copies for itself; without a result the menu key opens the control's own menu.
    EXPECT_EQ(window_command(letter('C'), true, true), WindowCommand::None);
    EXPECT_EQ(window_command(named(KeyName::Menu, false, false), false, false), WindowCommand::OpenFocusedMenu);
    // The keypad's decimal key types the separator, whatever its keyboard gives.
    EXPECT_EQ(typed_text(KeyPress{KeyName::Other, 0, ".", true}, ','), ",");
    EXPECT_EQ(typed_text(KeyPress{KeyName::Other, 0, ".", false}, ','), ".");
}

} // namespace
} // namespace torvanel
