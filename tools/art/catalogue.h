#pragma once

#include "canvas.h"
#include "picture_files.h"

#include <vector>

// A colour key as the game sets it; `used` false means the picture is drawn opaque.
struct Key {
    bool used;
    Rgb colour;
    Key() : used(false), colour{0, 0, 0} {}
    Key(uint8_t r, uint8_t g, uint8_t b) : used(true), colour{r, g, b} {}
};
inline const Key NO_KEY{};

struct Picture {
    const char* file;
    int w, h;
    Stored stored;
    Key key;
    Canvas (*draw)();
    // Set for the tileset: its key must hide nothing, so the key colour may not occur.
    bool keyHidesNothing = false;
};

const std::vector<Picture>& catalogue();

// The glyph strip of the bitmap font: 62 cells of 6x24.
inline constexpr int FONT_WIDTH = 372;
inline constexpr int FONT_HEIGHT = 24;
