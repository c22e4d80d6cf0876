#include "shell/shell.h"
#include "world.h"

void drawSprite(Sprite* sprite, SDL_Surface* destination) {
    if (!sprite) {
        return;
    }
    SDL_Rect at{};
    at.x = static_cast<Sint16>(sprite->x);
    at.y = static_cast<Sint16>(sprite->y);
    SDL_BlitSurface(sprite->surface, nullptr, destination, &at);
}

void drawSpriteInView(Sprite* sprite, SDL_Surface* destination) {
    if (!sprite) {
        return;
    }
    SDL_Rect source{};
    source.x = static_cast<Sint16>(sprite->frame * sprite->w);
    source.y = static_cast<Sint16>(sprite->sheetRow);
    source.w = static_cast<Uint16>(sprite->w);
    source.h = static_cast<Uint16>(sprite->h);
    SDL_Rect at{};
    at.x = static_cast<Sint16>(sprite->x - battlefield.cameraX);
    at.y = static_cast<Sint16>(sprite->y - battlefield.cameraY);

    // Strictly left of or above the screen: at exactly -w the cut below
    // leaves a width of 0 and the blit shows nothing anyway.
    if (at.x < -static_cast<int>(source.w)) {
        return;
    }
    if (at.y < -static_cast<int>(source.h)) {
        return;
    }
    if (at.x < 0) {
        source.x = static_cast<Sint16>(source.x - at.x);
        source.w = static_cast<Uint16>(source.w + at.x);
        at.x = 0;
    }
    if (at.y < 0) {
        source.y = static_cast<Sint16>(source.y - at.y);
        source.h = static_cast<Uint16>(source.h + at.y);
        at.y = 0;
    }
    SDL_BlitSurface(sprite->surface, &source, destination, &at);
}

void drawSpriteAt(Sprite* sprite, int32_t x, int32_t y) {
    sprite->x = x;
    sprite->y = y;
    SDL_Rect source{};
    source.w = static_cast<Uint16>(sprite->surface->w);
    source.h = static_cast<Uint16>(sprite->surface->h);
    SDL_Rect at{};
    at.x = static_cast<Sint16>(x);
    at.y = static_cast<Sint16>(y);
    SDL_BlitSurface(sprite->surface, &source, screen, &at);
}

void freeSprite(Sprite* sprite) {
    SDL_FreeSurface(sprite->surface);
}

namespace {

// Half-open rectangles [x, x + w) by [y, y + h): touching edges do not overlap.
bool rectanglesMeet(const Sprite* a, const Sprite* b) {
    return a->x + a->w > b->x && a->x < b->x + b->w && a->y + a->h > b->y && a->y < b->y + b->h;
}

} // namespace

int spritesOverlap(const Sprite* a, const Sprite* b) {
    return a->state == STATE_ACTIVE && b->state == STATE_ACTIVE && rectanglesMeet(a, b) ? 1 : 0;
}

int targetOverlaps(const Sprite* a, const Sprite* b) {
    return a->state == STATE_TARGETING && b->state == STATE_ACTIVE && rectanglesMeet(a, b) ? 1 : 0;
}
