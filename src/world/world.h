#pragma once

#include <SDL.h>

#include <cstdint>

// The battle world: the records of every on-screen object, the battlefield
// with its camera and tiles, their drawing and overlap tests, and the starting
// values of a battle. All of it is fixed global storage, zero at start.

inline constexpr int STATE_INACTIVE = 0;
inline constexpr int STATE_ACTIVE = 1;
inline constexpr int STATE_TARGETING = 2;

inline constexpr int SQUAD_SIZE = 5;
inline constexpr int TILE_SIZE = 32;
inline constexpr int MAP_COLS = 15;
inline constexpr int MAP_ROWS = 8;
inline constexpr int VIEW_COLS = 10;
inline constexpr int VIEW_ROWS = 7;
inline constexpr int TURN_MOVE_POINTS = 64;

struct Sprite {
    int32_t x;
    int32_t y;
    int32_t frame;
    int32_t lastFrame;
    int32_t state;
    int32_t sheetRow; // source y of the frame row, in pixels: 0 faces right, 32 left
    SDL_Surface* surface;
    SDL_Surface* loadedSurface;
    int32_t w;
    int32_t h;
    int32_t animTick;
    int32_t step;
    int32_t statsShown;
    int32_t moveOrdered;
    int32_t homeX;
    int32_t homeY;
    int32_t movePoints;
    int32_t attacksLeft;
    int32_t maxX;
    int32_t minX;
    int32_t minY;
    int32_t maxY;
    int32_t attackOrdered;
    int32_t life;
    int32_t strength;
    int32_t defense;
    int32_t counterStrength;
};

// Five consecutive Sprites drawn from one sheet, each member with its own copy.
using Squad = Sprite[SQUAD_SIZE];

struct Battlefield {
    int32_t tileDrawX; // screen x of the tile drawn last
    int32_t tileDrawY;
    int32_t tileModulus;
    int32_t cameraX; // world position of the screen's top-left corner
    int32_t cameraY;
    int32_t reservedValue;
    int32_t maxCameraX;
    int32_t maxCameraY;
    SDL_Surface* tileset;
    SDL_Surface* loadedTileset;
};

// The player's five soldiers: the only units the player commands.
extern Squad playerSquad;
// Enemy soldiers and vehicles: the targets of an attack.
extern Squad enemySquad1;
extern Squad enemySquad2;
extern Squad enemyArmour;
// Given their sheets at start-up; nothing places or draws them.
extern Squad reserveSquad1;
extern Squad reserveSquad2;

// The blue selection frame moved with the D-pad.
extern Sprite cursor;
// The red frame moved with the D-pad while an attack is aimed.
extern Sprite attackCursor;
// The move-range diamond shown after MOVE.
extern Sprite moveRangeGrid;
// The panel with a soldier's life, strength and defense, and its portrait.
extern Sprite statsPanel;
extern Sprite portrait1;
// Loaded at start-up; nothing places or draws them.
extern Sprite portrait2;
extern Sprite portrait3;
// The title strip just below the map.
extern Sprite bannerStrip;
// The full-screen notice raised by an exchange of blows.
extern Sprite attackScreen;
// The two battle menus and the frame over their chosen line.
extern Sprite commandMenu;
extern Sprite pauseMenu;
extern Sprite menuHighlight;

// The one battlefield: camera, its limits and the tileset.
extern Battlefield battlefield;

// Whether each soldier of playerSquad has been given MOVE in the current
// battle, so that CANCEL has a home of this battle to send it back to.
// Cleared by setupBattle.
extern bool soldierHasHome[SQUAD_SIZE];

// The map, row by row, 15 cells a row: cell values choose tiles.
extern const int16_t battleMap[MAP_ROWS * MAP_COLS];

// Blit the whole surface at (x, y), ignoring frame and size. A null Sprite draws nothing.
void drawSprite(Sprite* sprite, SDL_Surface* destination);
// Blit the current frame through the camera, cutting what lies left of or
// above the screen. Rectangle fields are 16-bit, as in SDL_Rect, so the
// position is taken to 16 bits first. A null Sprite draws nothing.
void drawSpriteInView(Sprite* sprite, SDL_Surface* destination);
// Store (x, y) in the Sprite and blit its whole surface there onto the screen.
void drawSpriteAt(Sprite* sprite, int32_t x, int32_t y);
// Release the surface; the field keeps the stale pointer, so never draw it again.
void freeSprite(Sprite* sprite);
// 1 when both are active and their half-open rectangles intersect.
int spritesOverlap(const Sprite* a, const Sprite* b);
// The same with `a` in targeting state: the cursor parked over the attacker.
int targetOverlaps(const Sprite* a, const Sprite* b);

// Called by the main cycle at every START, before setupBattle.
void setupBattlefield(int32_t rows, int32_t columns, int32_t cameraX, int32_t cameraY);
// Paint the 10x7 tiles under the camera; the bottom 16 rows of the screen
// are left as they were.
void drawTiles(Battlefield* field, int32_t cameraX, int32_t cameraY, SDL_Surface* destination);

// The starting values of every battle record; after setupBattlefield.
void setupBattle();
// The end of a turn: every member of the four fighting squads, alive or not,
// gets its move points and attack back.
void refreshTurn();
