#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

// Files to lay at graficos/fuente.bmp: well-formed bitmaps of every depth and
// odd size, and the broken and lying ones a player's card may hold. Every
// well-formed one is solid red, so that wherever a glyph is drawn the screen
// turns red and nowhere else.

using Bytes = std::vector<uint8_t>;

struct BitmapShape {
    int32_t width = 372;
    int32_t height = 24;
    int bitsPerPixel = 24;
    // BI_BITFIELDS with explicit masks (16 and 32 bits), alpha included for 32.
    bool bitfields = false;
    // Rows stored top row first, as a negative height says.
    bool topDown = false;
};

// A complete BMP file of that shape, every pixel red.
Bytes redBitmap(const BitmapShape& shape);

enum class FontLayout {
    Missing,   // nothing at the path
    Directory, // a folder at the path
    File,      // the bytes
};

struct FontCase {
    const char* name;
    FontLayout layout;
    Bytes bytes;
    // The font's size as the game should end up holding it; 0 by 0 when the
    // game must go on without a font.
    int loadedWidth;
    int loadedHeight;
};

// For a test that fails on one of them.
inline void PrintTo(const FontCase& font, std::ostream* os) {
    *os << font.name;
}

// The table, in a fixed order.
std::vector<FontCase> hostileFonts();
