#include "world.h"

// clang-format off
const int16_t battleMap[MAP_ROWS * MAP_COLS] = {
    8, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1,
    8, 2, 2, 2, 2, 2, 2, 5, 2, 2, 2, 2, 2, 2, 1,
    8, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1,
    5, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1,
    8, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1,
    8, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1,
    8, 2, 2, 2, 2, 2, 5, 2, 2, 2, 2, 2, 2, 2, 1,
    5, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 5, 1,
};
// clang-format on

void setupBattlefield(int32_t rows, int32_t columns, int32_t cameraX, int32_t cameraY) {
    battlefield.reservedValue = 2;
    battlefield.tileDrawY = 0;
    battlefield.tileModulus = 9;
    battlefield.cameraX = cameraX;
    battlefield.cameraY = cameraY;
    battlefield.maxCameraX = columns * TILE_SIZE - 320;
    battlefield.maxCameraY = rows * TILE_SIZE - 240;
    battlefield.tileDrawX = 0;
}

// The remainder truncates toward zero, so 0, multiples of the modulus and
// negative values put the source left of the tileset and nothing is drawn.
void drawTiles(Battlefield* field, int32_t cameraX, int32_t cameraY, SDL_Surface* destination) {
    int32_t first = (cameraY / TILE_SIZE) * MAP_COLS + cameraX / TILE_SIZE;
    int32_t offsetX = cameraX & 31;
    int32_t offsetY = cameraY & 31;
    for (int32_t i = 0; i < VIEW_ROWS; ++i) {
        for (int32_t j = 0; j < VIEW_COLS; ++j) {
            int32_t value = battleMap[first + i * MAP_COLS + j];
            field->tileDrawX = TILE_SIZE * j - offsetX;
            field->tileDrawY = TILE_SIZE * i - offsetY;
            SDL_Rect source{};
            source.x = static_cast<Sint16>((value % field->tileModulus) * TILE_SIZE - TILE_SIZE);
            source.y = 0;
            source.w = TILE_SIZE;
            source.h = TILE_SIZE;
            SDL_Rect at{};
            at.x = static_cast<Sint16>(field->tileDrawX);
            at.y = static_cast<Sint16>(field->tileDrawY);
            SDL_BlitSurface(field->tileset, &source, destination, &at);
        }
    }
}
