#pragma once

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>

namespace torvanel::testing {

// A fixed seed, so a failure replays; TORVANEL_SEED=<number> picks another.
inline std::uint64_t test_seed(const char* test_name, std::uint64_t fixed_seed)
{
    std::uint64_t seed = fixed_seed;
    if (const char* chosen = std::getenv("TORVANEL_SEED"); chosen != nullptr && *chosen != '\0') {
        seed = std::stoull(chosen);
    }
    std::cout << test_name << ": seed " << seed << " (replay with TORVANEL_SEED=" << seed << ")\n";
    return seed;
}

} // namespace torvanel::testing
