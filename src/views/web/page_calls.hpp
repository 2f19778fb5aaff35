#pragma once

#include <cstddef>
#include <string>

// What the page's script does for the program: functions the module imports from it
// (import module "page", under the names below). A text is UTF-8 ending with a zero byte;
// a null text means "none". A text the page hands back is allocated with the module's
// malloc and freed by the program.
#define TORVANEL_FROM_PAGE(name) __attribute__((import_module("page"), import_name(#name)))

extern "C" {
// A box's text and caret, by the box's name.
TORVANEL_FROM_PAGE(boxLength) std::size_t torvanel_page_box_length(const char* box);
TORVANEL_FROM_PAGE(boxText) char* torvanel_page_box_text(const char* box);
TORVANEL_FROM_PAGE(display) void torvanel_page_display(const char* box, const char* text);
TORVANEL_FROM_PAGE(caretAfter) void torvanel_page_caret_after(const char* box, const char* start);
TORVANEL_FROM_PAGE(withSelectionReplaced) char* torvanel_page_with_selection_replaced(const char* box,
                                                                                      const char* inserted);
TORVANEL_FROM_PAGE(hasSelection) bool torvanel_page_has_selection(const char* box);

// A control's look: -1 leaves a flag as it is; a null colour is the platform's usual one.
TORVANEL_FROM_PAGE(show)
void torvanel_page_show(const char* control, int enabled, int visible, const char* background, const char* caption,
                        const char* font);
TORVANEL_FROM_PAGE(choose) void torvanel_page_choose(const char* button, bool chosen);
TORVANEL_FROM_PAGE(describe)
void torvanel_page_describe(const char* control, const char* name, const char* description, const char* tooltip);
TORVANEL_FROM_PAGE(announce) void torvanel_page_announce(const char* words);
TORVANEL_FROM_PAGE(copy) void torvanel_page_copy(const char* text);
TORVANEL_FROM_PAGE(message) void torvanel_page_message(const char* title, const char* text);
TORVANEL_FROM_PAGE(end) void torvanel_page_end();
// The width in CSS pixels of a text in a CSS font.
TORVANEL_FROM_PAGE(measure) int torvanel_page_measure(const char* font, const char* text);

// Answers to the page's questions that carry texts: what a key means, a result's menu.
TORVANEL_FROM_PAGE(keyAnswer)
void torvanel_page_key_answer(bool taken, const char* insert, const char* focus, const char* menu);
TORVANEL_FROM_PAGE(menuEntry) void torvanel_page_menu_entry(const char* words, bool enabled);
}

namespace torvanel::web {

// A text for the page, or none for "".
inline const char* text_or_none(const std::string& text)
{
    return text.empty() ? nullptr : text.c_str();
}

} // namespace torvanel::web
