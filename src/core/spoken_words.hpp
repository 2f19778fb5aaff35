#pragma once

#include <string>
#include <string_view>

namespace torvanel {

// What a screen reader hears of a text that is shown with symbols: a unit after a
// figure, with its prefix, the operators and a power of ten in Italian words, so a
// speech synthesizer neither drops nor spells them. "4,7 kΩ × 2 mA = 9,4 V" is heard
// as "4,7 chiloohm per 2 milliampere uguale 9,4 volt", "1E-12" as "1 per dieci alla
// meno 12". Quantity letters (V, R, I, P) and everything else stay as they are.
std::string spoken_words(std::string_view shown);

} // namespace torvanel
