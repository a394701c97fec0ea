#pragma once

#include <cstdint>

// A colour as 0x00BBGGRR (red in the low byte).
using Color = std::uint32_t;

constexpr Color rgb(int r, int g, int b) { return Color(r & 0xff) | (Color(g & 0xff) << 8) | (Color(b & 0xff) << 16); }
constexpr int red_of(Color c) { return int(c & 0xff); }
constexpr int green_of(Color c) { return int((c >> 8) & 0xff); }
constexpr int blue_of(Color c) { return int((c >> 16) & 0xff); }

// Entry n (0..15) of the classic 16-colour CGA/EGA palette; 0 outside.
constexpr Color QBColor(int n) {
    constexpr Color palette[16] = {rgb(0, 0, 0),       rgb(0, 0, 128),   rgb(0, 128, 0),   rgb(0, 128, 128),
                                   rgb(128, 0, 0),     rgb(128, 0, 128), rgb(128, 128, 0), rgb(192, 192, 192),
                                   rgb(128, 128, 128), rgb(0, 0, 255),   rgb(0, 255, 0),   rgb(0, 255, 255),
                                   rgb(255, 0, 0),     rgb(255, 0, 255), rgb(255, 255, 0), rgb(255, 255, 255)};
    return n >= 0 && n < 16 ? palette[n] : 0;
}
