#include "embedded_images.h"
#include "shell.h"

#include <SDL_image.h>

SDL_Surface* fontSurface;

namespace {

// Decode, convert to the display format once, and key the converted surface,
// so that the key also hides every colour that converts to the same pixel.
SDL_Surface* decodeForDisplay(const unsigned char* data, unsigned int length, SDL_Surface** decoded,
                              int red, int green, int blue) {
    SDL_RWops* stream = SDL_RWFromMem(const_cast<unsigned char*>(data), static_cast<int>(length));
    *decoded = IMG_Load_RW(stream, 0);
    // The decoder leaves the stream open; closing it here keeps every menu
    // run from leaking one.
    SDL_RWclose(stream);
    SDL_Surface* converted = SDL_DisplayFormat(*decoded);
    SDL_FreeSurface(*decoded);
    if (red < 0 || green < 0 || blue < 0) {
        return converted;
    }
    Uint32 key = SDL_MapRGB(converted->format, static_cast<Uint8>(red), static_cast<Uint8>(green),
                            static_cast<Uint8>(blue));
    SDL_SetColorKey(converted, SDL_SRCCOLORKEY, key);
    return converted;
}

void loadSquad(Squad& squad, const unsigned char* data, unsigned int length) {
    for (Sprite& member : squad) {
        loadSpriteImage(&member, &member, data, length, 192, 192, 192);
    }
}

} // namespace

void loadSpriteImage(Sprite* target, Sprite* holder, const unsigned char* data, unsigned int length,
                     int red, int green, int blue) {
    target->surface = decodeForDisplay(data, length, &holder->loadedSurface, red, green, blue);
}

void loadTilesetImage(Battlefield* target, Battlefield* holder, const unsigned char* data,
                      unsigned int length, int red, int green, int blue) {
    target->tileset = decodeForDisplay(data, length, &holder->loadedTileset, red, green, blue);
}

int loadBattleImages() {
    loadTilesetImage(&battlefield, &battlefield, tilesetImage, tilesetImageSize, 0, 0, 0);
    loadSquad(playerSquad, infantrySheet1, infantrySheet1Size);
    loadSquad(enemySquad1, infantrySheet2, infantrySheet2Size);
    loadSquad(enemySquad2, infantrySheet3, infantrySheet3Size);
    loadSquad(enemyArmour, armourSheet1, armourSheet1Size);
    loadSquad(reserveSquad2, armourSheet3, armourSheet3Size);
    loadSquad(reserveSquad1, armourSheet2, armourSheet2Size);
    loadSpriteImage(&portrait1, &portrait1, portraitImage1, portraitImage1Size, 192, 192, 192);
    loadSpriteImage(&portrait2, &portrait2, portraitImage2, portraitImage2Size, 192, 192, 192);
    loadSpriteImage(&portrait3, &portrait3, portraitImage3, portraitImage3Size, 192, 192, 192);
    loadSpriteImage(&statsPanel, &statsPanel, statsPanelImage, statsPanelImageSize, -1, -1, -1);
    loadSpriteImage(&cursor, &cursor, cursorImage, cursorImageSize, 255, 255, 255);
    loadSpriteImage(&menuHighlight, &menuHighlight, menuHighlightImage, menuHighlightImageSize, 255,
                    255, 255);
    loadSpriteImage(&commandMenu, &commandMenu, commandMenuImage, commandMenuImageSize, -1, -1, -1);
    loadSpriteImage(&moveRangeGrid, &moveRangeGrid, moveRangeImage, moveRangeImageSize, 255, 255,
                    255);
    loadSpriteImage(&pauseMenu, &pauseMenu, pauseMenuImage, pauseMenuImageSize, -1, -1, -1);
    loadSpriteImage(&attackCursor, &attackCursor, attackCursorImage, attackCursorImageSize, 255,
                    255, 255);
    loadSpriteImage(&attackScreen, &attackScreen, attackScreenImage, attackScreenImageSize, -1, -1,
                    -1);
    loadSpriteImage(&bannerStrip, &bannerStrip, bannerStripImage, bannerStripImageSize, -1, -1, -1);
    // Read as it is: the text drawing keys it at every glyph. No font, no text.
    SDL_RWops* file = SDL_RWFromFile("graficos/fuente.bmp", "rb");
    fontSurface = SDL_LoadBMP_RW(file, 1);
    return 0;
}
