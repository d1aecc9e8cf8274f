// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>

namespace tintforge {

// A colour written red first, one byte a channel (FF8020 is orange).
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    // From the six hex digits as written in the tables: 0xFF8020 is red FF, green 80, blue 20.
    static constexpr Rgb fromHex(std::uint32_t rrggbb)
    {
        return {static_cast<std::uint8_t>(rrggbb >> 16), static_cast<std::uint8_t>(rrggbb >> 8),
                static_cast<std::uint8_t>(rrggbb)};
    }
    constexpr std::uint32_t hex() const
    {
        return (std::uint32_t{red} << 16) | (std::uint32_t{green} << 8) | blue;
    }
    friend constexpr bool operator==(const Rgb &, const Rgb &) = default;
};

// The colour a segment's text is shown in. Empty means the platform's default text colour,
// which only the window can name.
using PreviewColour = std::optional<Rgb>;

} // namespace tintforge
