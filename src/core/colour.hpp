#pragma once

#include <cstdint>

namespace torvanel {

// A colour as the window description records it: 0x00BBGGRR, red in the low byte.
struct Colour {
    std::uint32_t value = 0;

    constexpr int red() const noexcept { return static_cast<int>(value & 0xFFu); }
    constexpr int green() const noexcept { return static_cast<int>((value >> 8) & 0xFFu); }
    constexpr int blue() const noexcept { return static_cast<int>((value >> 16) & 0xFFu); }

    static constexpr Colour from_rgb(int red, int green, int blue) noexcept
    {
        return Colour{static_cast<std::uint32_t>((blue & 0xFF) << 16 | (green & 0xFF) << 8 | (red & 0xFF))};
    }

    friend constexpr bool operator==(Colour, Colour) noexcept = default;
};

// Palette entries the program asks for by number, as in the 16-colour QuickBASIC palette.
inline constexpr int kPaletteRed = 12;
inline constexpr int kPaletteWhite = 15;

} // namespace torvanel
