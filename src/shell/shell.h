#pragma once

#include "world/world.h"

#include <SDL.h>

// The application shell: the display and joystick handles, the pictures and
// the font, the title splash and the main menu, and the cycle between the
// menu and the battles.

// The 320x240 16-bit display surface that everything is drawn into.
extern SDL_Surface* screen;
// Joystick 0, the console's D-pad and buttons; null when there is none.
extern SDL_Joystick* joystick;
// The font bitmap as read from graficos/fuente.bmp; null when it could not be read.
extern SDL_Surface* fontSurface;

// The main menu's results.
inline constexpr int MENU_EXIT = 0;
inline constexpr int MENU_LOAD = 1;
inline constexpr int MENU_START = 2;

// Show the composed frame: flip `screen`.
void presentFrame();

// Decode one embedded PNG into target's display-format surface. A key with
// any component below 0 leaves the picture opaque.
void loadSpriteImage(Sprite* target, Sprite* holder, const unsigned char* data, unsigned int length,
                     int red, int green, int blue);
void loadTilesetImage(Battlefield* target, Battlefield* holder, const unsigned char* data,
                      unsigned int length, int red, int green, int blue);
// Every battle picture into its record, then the font. Called once, before the
// first main menu; the battle records keep these surfaces for the whole run.
int loadBattleImages();

// The title picture until START has been pressed and the queue found empty.
void showTitleSplash();
// START, LOAD or EXIT; presses queued behind START still move the pointer.
int runMainMenu();
// The main menu and the battles it starts, until EXIT is chosen.
void runMainCycle();
