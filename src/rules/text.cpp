#include "rules.h"

namespace {

int glyphIndex(unsigned char c) {
    if (c >= 'a' && c <= 'z') {
        return c - 'a';
    }
    if (c >= 'A' && c <= 'Z') {
        return c - 'A' + 26;
    }
    if (c >= '0' && c <= '9') {
        return c - '0' + 52;
    }
    return -1;
}

} // namespace

// The key is set again before every glyph, and the font keeps the last one.
// No clipping of our own: the blit cuts at the destination's edges and at the
// right edge of a narrow font.
void drawText(const char* text, int32_t x, int32_t y, SDL_Surface* font, SDL_Surface* destination,
              int32_t red, int32_t green, int32_t blue) {
    if (!font) {
        return;
    }
    for (int i = 0; text[i] != '\0'; ++i) {
        int index = glyphIndex(static_cast<unsigned char>(text[i]));
        if (index < 0) {
            continue;
        }
        Uint32 key = SDL_MapRGB(font->format, static_cast<Uint8>(red), static_cast<Uint8>(green),
                                static_cast<Uint8>(blue));
        SDL_SetColorKey(font, SDL_SRCCOLORKEY, key);
        SDL_Rect cell{};
        cell.x = static_cast<Sint16>(GLYPH_WIDTH * index);
        cell.w = GLYPH_WIDTH;
        cell.h = GLYPH_HEIGHT;
        SDL_Rect at{};
        at.x = static_cast<Sint16>(x + GLYPH_WIDTH * i);
        at.y = static_cast<Sint16>(y);
        SDL_BlitSurface(font, &cell, destination, &at);
    }
}
