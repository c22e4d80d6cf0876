#include "world.h"

#include <initializer_list>

namespace {

struct Place {
    int32_t x, y, state;
};

// Where each member stands when a battle begins, and whether it is fielded.
// Eight units take the field: five soldiers against three.
const Place PLAYER_PLACES[SQUAD_SIZE] = {
    {290, 192, 1}, {64, 64, 1}, {96, 96, 1}, {128, 128, 1}, {32, 64, 1}};
const Place ENEMY1_PLACES[SQUAD_SIZE] = {
    {192, 128, 1}, {224, 128, 1}, {256, 128, 0}, {0, 128, 0}, {0, 128, 0}};
const Place ENEMY2_PLACES[SQUAD_SIZE] = {
    {192, 160, 1}, {32, 160, 0}, {32, 160, 0}, {32, 160, 0}, {32, 160, 0}};
const Place ARMOUR_PLACES[SQUAD_SIZE] = {
    {288, 96, 0}, {64, 96, 0}, {64, 96, 0}, {64, 96, 0}, {64, 96, 0}};

// The world is the camera's range plus one screen.
int32_t worldMaxX(int32_t w) {
    return battlefield.maxCameraX + 320 - w;
}
int32_t worldMaxY(int32_t h) {
    return battlefield.maxCameraY + 240 - h;
}

void setupUnit(Sprite* unit, const Place& place, int32_t lastFrame, int32_t w, int32_t h) {
    unit->x = place.x;
    unit->y = place.y;
    unit->state = place.state;
    unit->frame = 0;
    unit->lastFrame = lastFrame;
    unit->w = w;
    unit->h = h;
    unit->moveOrdered = 0;
    unit->movePoints = TURN_MOVE_POINTS;
    unit->attacksLeft = 1;
    unit->maxX = worldMaxX(w);
    unit->minX = 0;
    unit->minY = 0;
    unit->maxY = worldMaxY(h);
    unit->attackOrdered = 0;
    unit->life = 10;
    unit->strength = 7;
    unit->defense = 4;
    unit->counterStrength = 5;
}

void setupPicture(Sprite* sprite, int32_t x, int32_t y, int32_t state, int32_t w, int32_t h) {
    sprite->x = x;
    sprite->y = y;
    sprite->frame = 0;
    sprite->lastFrame = 0;
    sprite->state = state;
    sprite->w = w;
    sprite->h = h;
}

void setBounds(Sprite* sprite, int32_t maxX, int32_t minX, int32_t minY, int32_t maxY) {
    sprite->maxX = maxX;
    sprite->minX = minX;
    sprite->minY = minY;
    sprite->maxY = maxY;
}

} // namespace

// Only the fields a battle must start from are written; step, homeX and homeY
// of the units, the enemies' animTick and everything of the reserve squads
// keep what the previous battle left.
void setupBattle() {
    for (int i = 0; i < SQUAD_SIZE; ++i) {
        Sprite* soldier = &playerSquad[i];
        setupUnit(soldier, PLAYER_PLACES[i], 5, 32, 32);
        soldier->sheetRow = 0;
        soldier->animTick = 0;
        soldier->statsShown = 0;
        soldierHasHome[i] = false;

        int32_t size1 = i < 2 ? 29 : 32;
        int32_t height1 = i < 2 ? 30 : 32;
        setupUnit(&enemySquad1[i], ENEMY1_PLACES[i], 5, size1, height1);
        enemySquad1[i].sheetRow = 0;

        setupUnit(&enemySquad2[i], ENEMY2_PLACES[i], 5, 32, 32);
        enemySquad2[i].sheetRow = 0;

        setupUnit(&enemyArmour[i], ARMOUR_PLACES[i], 0, 64, 64);
    }

    setupPicture(&cursor, 160, 160, STATE_ACTIVE, 32, 32);
    cursor.step = 32;
    setBounds(&cursor, worldMaxX(32), 0, 0, worldMaxY(32));

    setupPicture(&attackCursor, 0, 0, STATE_INACTIVE, 32, 32);
    attackCursor.step = 32;

    setupPicture(&statsPanel, 0, 0, STATE_INACTIVE, 100, 100);
    setupPicture(&portrait1, 0, 0, STATE_INACTIVE, 23, 23);
    setupPicture(&menuHighlight, 0, 0, STATE_INACTIVE, 100, 26);

    setupPicture(&commandMenu, 0, 0, STATE_INACTIVE, 100, 100);
    commandMenu.step = 1;
    setBounds(&commandMenu, worldMaxX(100), 0, 0, worldMaxY(100));

    setupPicture(&pauseMenu, 200, 100, STATE_INACTIVE, 100, 100);

    setupPicture(&moveRangeGrid, 0, 0, STATE_INACTIVE, 160, 160);
    moveRangeGrid.sheetRow = 0;
    setBounds(&moveRangeGrid, worldMaxX(160), 0, 0, worldMaxY(160));

    // Sized 480x272 and 480x16, larger than their pictures: attackScreen is
    // drawn whole by drawSprite, and the blit cuts bannerStrip to its picture.
    setupPicture(&attackScreen, 0, 0, STATE_INACTIVE, 480, 272);
    setupPicture(&bannerStrip, 0, 256, STATE_ACTIVE, 480, 16);
}

void refreshTurn() {
    for (int k = 0; k < SQUAD_SIZE; ++k) {
        for (Sprite* squad : {playerSquad, enemySquad1, enemySquad2, enemyArmour}) {
            squad[k].attacksLeft = 1;
            squad[k].movePoints = TURN_MOVE_POINTS;
        }
    }
}
