#pragma once

#include "control/control.h"
#include "platform/script_input.h"
#include "world/world.h"

#include <SDL.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

// What the tests share: the real SDL with its dummy drivers, the real
// 320x240 16-bit screen with every battle picture loaded (once, by main),
// and presses pushed onto SDL's own queue.

// The screen pixel at (x, y), and a colour as the screen stores it.
Uint32 screenPixel(int x, int y);
Uint32 displayColour(Uint8 r, Uint8 g, Uint8 b);
// The colour of a pixel of any surface, unpacked.
SDL_Color surfaceColour(SDL_Surface* surface, int x, int y);
// Paint the whole screen one colour, so that a test sees what was drawn over it.
void fillScreen(Uint8 r, Uint8 g, Uint8 b);

// Each press goes onto the real SDL queue, in order.
void pushPresses(std::initializer_list<int> buttons);
// Empty SDL's queue and let go of every held button.
void clearInput();
// How many events wait in SDL's queue.
int queuedEvents();

// A battle as START in the main menu begins it, with the queue empty and no
// button held.
void freshBattle();

// The whole screen, row by row, to compare one frame with another.
std::vector<Uint16> grabScreen();
// Pixel (x, y) of a display-format surface such as a Sprite's.
Uint32 spritePixel(SDL_Surface* surface, int x, int y);

// Write the screen as a BMP, for a person to look at.
void saveScreen(const std::string& path);

// How many pixels of the screen's rectangle `area` differ from `picture` drawn
// with its top-left corner at (atX, atY). Pixels of the picture's colour key,
// and pixels off the picture or off the screen, are not compared.
int pictureMismatches(SDL_Surface* picture, int atX, int atY, SDL_Rect area);
// How many pixels of the screen's rectangle differ from the battlefield tiles
// under the camera at the origin, as drawTiles paints them.
int tileMismatches(SDL_Rect area);

// Every field of every battle record, named, but the positions of the two
// menus and of the highlight, which every menu draw rewrites.
using RecordSnapshot = std::vector<std::pair<std::string, long long>>;
RecordSnapshot snapshotRecords();
// "cursor.x 160 -> 128" for each field that differs from the snapshot, one a
// line; empty when nothing changed.
std::string changesSince(const RecordSnapshot& before);

// Report every modal screen that finds the queue empty and waits: the test
// gave it too few presses. It is then sent DOWN, DOWN, A and START, which
// closes the command menu on SPECIAL and the pause menu on SAVE, both of which
// change nothing.
void failWhenAScreenWaits();
