#pragma once

#include "shell/shell.h"
#include "world/world.h"

#include <SDL.h>

#include <initializer_list>

// Every surface that the battle records and the font hold from
// loadBattleImages on, for the whole run: the four fighting squads and the two
// reserve squads (each member with its own copy), the tileset, the three
// portraits, the panels, cursors and menus, and the font.
inline constexpr int HELD_PICTURES = 6 * SQUAD_SIZE + 14;

inline void listHeldPictures(SDL_Surface* (&held)[HELD_PICTURES]) {
    int n = 0;
    for (Squad* squad :
         {&playerSquad, &enemySquad1, &enemySquad2, &enemyArmour, &reserveSquad1, &reserveSquad2}) {
        for (Sprite& member : *squad) {
            held[n++] = member.surface;
        }
    }
    for (Sprite* sprite :
         {&portrait1, &portrait2, &portrait3, &statsPanel, &cursor, &menuHighlight, &commandMenu,
          &moveRangeGrid, &pauseMenu, &attackCursor, &attackScreen, &bannerStrip}) {
        held[n++] = sprite->surface;
    }
    held[n++] = battlefield.tileset;
    held[n++] = fontSurface;
}

// The pixel memory of a surface: its rows, each as long as its pitch.
inline long pixelBytes(const SDL_Surface* surface) {
    return surface ? static_cast<long>(surface->h) * surface->pitch : 0;
}
