#include "app/event_bindings.hpp"
#include "views/web/web_calculator.hpp"

#include <emscripten/bind.h>

// The page's module: the calculator with the program's handlers, as the page's script
// sees it.
namespace {

torvanel::web::WebCalculator* make_calculator(emscripten::val page, std::string decimal_separator)
{
    return new torvanel::web::WebCalculator(torvanel::calculator_handlers(), std::move(page),
                                            decimal_separator == "," ? ',' : '.');
}

} // namespace

EMSCRIPTEN_BINDINGS(torvanel)
{
    using torvanel::web::WebCalculator;
    emscripten::class_<WebCalculator>("Calculator")
        .constructor(&make_calculator, emscripten::allow_raw_pointers())
        .function("start", &WebCalculator::start)
        .function("click", &WebCalculator::click)
        .function("key", &WebCalculator::key)
        .function("boxCommand", &WebCalculator::box_command)
        .function("edited", &WebCalculator::edited)
        .function("focused", &WebCalculator::focused)
        .function("focusToRestore", &WebCalculator::focus_to_restore)
        .function("resultMenu", &WebCalculator::result_menu)
        .function("resultMenuChosen", &WebCalculator::result_menu_chosen);
}
