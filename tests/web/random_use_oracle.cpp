// The random-use oracle of the other views' tests, as a process the page's driver asks
// line by line (under node): "text" gives the next random text, "calc U T1<tab>T2<tab>T3"
// what CALCOLO must leave with row U unknown and those texts shown, as
// "RESULT<tab>ERROR<tab>T1<tab>T2<tab>T3". The first line says the seed.
#include "random_use_oracle.hpp"
#include "test_seed.hpp"

#include <iostream>
#include <sstream>

int main()
{
    using namespace torvanel::testing;
    std::mt19937_64 random(test_seed("random use", 2000'06'30));
    std::cout << std::flush;
    for (std::string line; std::getline(std::cin, line);) {
        if (line == "text") {
            std::cout << random_text(random, ',') << '\n' << std::flush;
            continue;
        }
        std::array<std::string, 3> texts;
        std::istringstream request(line.substr(std::min<std::size_t>(line.size(), 7)));
        for (std::string& text : texts) {
            std::getline(request, text, '\t');
        }
        const Outcome outcome = expected_calculation(texts, static_cast<std::size_t>(line[5] - '0'), ',');
        std::cout << outcome.result << '\t' << (outcome.error ? 1 : 0);
        for (const std::string& text : outcome.texts) {
            std::cout << '\t' << text;
        }
        std::cout << '\n' << std::flush;
    }
}
