#include "harness.h"

#include "shell/shell.h"

Uint32 displayColour(Uint8 r, Uint8 g, Uint8 b) { return SDL_MapRGB(screen->format, r, g, b); }

SDL_Color surfaceColour(SDL_Surface* surface, int x, int y) {
    SDL_LockSurface(surface);
    const Uint8* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
    Uint32 value = 0;
    switch (surface->format->BytesPerPixel) {
    case 1:
        value = row[x];
        break;
    case 2:
        value = reinterpret_cast<const Uint16*>(row)[x];
        break;
    case 3:
        value = row[x * 3] | (row[x * 3 + 1] << 8) | (row[x * 3 + 2] << 16);
        break;
    default:
        value = reinterpret_cast<const Uint32*>(row)[x];
        break;
    }
    SDL_UnlockSurface(surface);
    SDL_Color c{};
    SDL_GetRGB(value, surface->format, &c.r, &c.g, &c.b);
    return c;
}

Uint32 screenPixel(int x, int y) {
    SDL_LockSurface(screen);
    Uint32 value = static_cast<const Uint16*>(screen->pixels)[y * screen->pitch / 2 + x];
    SDL_UnlockSurface(screen);
    return value;
}

void fillScreen(Uint8 r, Uint8 g, Uint8 b) {
    SDL_FillRect(screen, nullptr, displayColour(r, g, b));
}

void pushPresses(std::initializer_list<int> buttons) {
    for (int button : buttons) {
        pushPress(button);
    }
}

void clearInput() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
    }
    releaseAllButtons();
}

int queuedEvents() {
    SDL_PumpEvents();
    return SDL_PeepEvents(nullptr, 256, SDL_PEEKEVENT, SDL_ALLEVENTS);
}

void freshBattle() {
    clearInput();
    setupBattlefield(MAP_ROWS, MAP_COLS, 0, 0);
    setupBattle();
}

void saveScreen(const std::string& path) { SDL_SaveBMP(screen, path.c_str()); }
