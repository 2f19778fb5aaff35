#include "app/event_bindings.hpp"
#include "views/web/page_calls.hpp"
#include "views/web/web_calculator.hpp"

#include <emscripten/em_macros.h>

#include <memory>
#include <string>

// The page's module: the calculator with the program's handlers, as plain functions the
// page's script calls with control names (UTF-8, ending with a zero byte). No generated
// JavaScript stands between them: the script loads the module itself, which keeps the
// page's start quick.
namespace {

std::unique_ptr<torvanel::web::WebCalculator> calculator;

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void torvanel_start(char decimal_separator)
{
    calculator = std::make_unique<torvanel::web::WebCalculator>(torvanel::calculator_handlers(), decimal_separator);
    calculator->start();
}

EMSCRIPTEN_KEEPALIVE void torvanel_click(const char* name)
{
    calculator->click(name);
}

// The answer goes to the page's keyAnswer.
EMSCRIPTEN_KEEPALIVE void torvanel_key(const char* name, const char* key, const char* typed, bool ctrl, bool shift,
                                       bool alt, bool keypad_decimal)
{
    const auto answer = calculator->key(name, key, typed, ctrl, shift, alt, keypad_decimal);
    using torvanel::web::text_or_none;
    torvanel_page_key_answer(answer.taken, text_or_none(answer.insert), text_or_none(answer.focus),
                             text_or_none(answer.menu));
}

EMSCRIPTEN_KEEPALIVE bool torvanel_box_command(const char* name, const char* command, const char* text)
{
    return calculator->box_command(name, command, text);
}

EMSCRIPTEN_KEEPALIVE void torvanel_edited(const char* name)
{
    calculator->edited(name);
}

EMSCRIPTEN_KEEPALIVE void torvanel_focused(const char* name)
{
    calculator->focused(name);
}

// Valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* torvanel_focus_to_restore()
{
    static std::string name;
    name = calculator->focus_to_restore();
    return name.c_str();
}

// The entries go to the page's menuEntry, in order.
EMSCRIPTEN_KEEPALIVE void torvanel_result_menu(const char* name)
{
    for (const auto& item : calculator->result_menu(name)) {
        torvanel_page_menu_entry(item.words.c_str(), item.enabled);
    }
}

EMSCRIPTEN_KEEPALIVE void torvanel_result_menu_chosen(const char* name, int entry)
{
    calculator->result_menu_chosen(name, entry);
}
}
