#pragma once

// What the benchmarks share with the game: SDL started as main starts it,
// with the dummy drivers, and every battle picture loaded.

#include "game_start.h"

// The busiest battle frame: soldier 3 aims an attack at the enemy beside it
// with its numbers shown, the move-range grid still up, and every fielded
// unit standing. Everything but the attack notice is drawn.
void setUpBusiestFrame();

// A drawing that the game's design excludes, measured beside it to show what
// it would buy: the tileset's key, which hides none of its pixels, taken off
// it. False puts the key back as loaded.
void takeKeyOffTiles(bool off);
