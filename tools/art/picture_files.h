#pragma once

#include "canvas.h"

#include <string>

// How a picture is stored, as the game's catalogue fixes it.
enum class Stored {
    Palette8, // 8-bit indexed PNG
    Palette2, // 2-bit indexed PNG (at most four colours)
    Rgb8,     // 8 bits per channel, no alpha
};

// Write `canvas` as a PNG without alpha channel, transparency chunk or time
// stamp, so that the same canvas always gives the same bytes. Returns false
// (after saying why on stderr) when the canvas does not fit the format.
bool writePng(const std::string& path, const Canvas& canvas, Stored stored);

// Write `canvas` as an uncompressed 24-bit BMP, bottom-up, as SDL_LoadBMP reads it.
bool writeBmp(const std::string& path, const Canvas& canvas);

// The display is 16-bit 5-6-5: two colours that agree in their top 5, 6 and
// 5 bits become the same pixel, and a colour key then hides both.
inline bool sameOnDisplay(Rgb a, Rgb b) {
    return (a.r >> 3) == (b.r >> 3) && (a.g >> 2) == (b.g >> 2) && (a.b >> 3) == (b.b >> 3);
}
