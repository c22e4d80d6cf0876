#pragma once

#include "world/world.h"

#include <SDL.h>

#include <cstdint>

// Battle rules and presentation: the composed, paced battle frame, bitmap
// text, the per-frame rules with the exchange of blows, and the walk.

inline constexpr int BATTLE_FPS = 30;
inline constexpr int GLYPH_WIDTH = 6;
inline constexpr int GLYPH_HEIGHT = 24;
inline constexpr int STATS_PANEL_X = 220;
inline constexpr int STATS_PANEL_Y = 140;
inline constexpr int NUMBER_TEXT_SIZE = 5;

// SDL tick count at the end of the previous frame's wait; carries over
// between battles.
extern Uint32 lastFrameTicks;
// The numbers of the stats panel: filled by the rules while R is held, drawn
// by the frame, kept until the next fill.
extern char lifeText[NUMBER_TEXT_SIZE];
extern char strengthText[NUMBER_TEXT_SIZE];
extern char defenseText[NUMBER_TEXT_SIZE];

// Compose the whole scene back to front, present it and wait out the frame.
// A unit whose life is 0 or below is switched off here, as it would be drawn.
void renderBattleFrame();
// The drawing of renderBattleFrame alone, without the present and the wait.
void composeBattleFrame();
// Busy-wait until 1000 / fps ms have passed since lastFrameTicks, then take
// a new time stamp.
void paceFrame(int32_t fps);

// One glyph cell per byte, 6 pixels apart; bytes without a glyph leave a blank
// cell. The colour given, in the font's own format, is transparent. Without a
// font nothing is drawn.
void drawText(const char* text, int32_t x, int32_t y, SDL_Surface* font, SDL_Surface* destination,
              int32_t red, int32_t green, int32_t blue);

// The per-frame rules on the held buttons: Y first, then each soldier's walk,
// B, X and R in squad order.
void applyBattleRules();
// The attacker's blow and the defender's return blow, unclamped, and the notice.
void exchangeBlows(Sprite* attacker, Sprite* defender);

// One step of a unit toward the target on each axis, x first; the facing
// follows x whether or not the step can be paid.
void approachTarget(Sprite* unit, const Sprite* target);
// Pay 2 move points and take the step whole, or stay; the walk animation
// advances either way.
void walkStep(int32_t newX, int32_t newY, Sprite* unit);
