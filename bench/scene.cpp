#include "scene.h"

#include "rules/rules.h"
#include "shell/shell.h"
#include "world/world.h"

#include <cstdio>

void setUpBusiestFrame() {
    setupBattlefield(MAP_ROWS, MAP_COLS, 0, 0);
    setupBattle();
    Sprite& soldier = playerSquad[3];
    soldier.x = 144;
    soldier.y = 128;
    moveRangeGrid.x = soldier.x - 64;
    moveRangeGrid.y = soldier.y - 64;
    moveRangeGrid.state = STATE_ACTIVE;
    cursor.x = 160;
    cursor.y = 128;
    cursor.state = STATE_TARGETING;
    attackCursor.x = 176;
    attackCursor.y = 128;
    attackCursor.state = STATE_ACTIVE;
    statsPanel.x = STATS_PANEL_X;
    statsPanel.y = STATS_PANEL_Y;
    statsPanel.state = STATE_ACTIVE;
    portrait1.x = 250;
    portrait1.y = 155;
    portrait1.state = STATE_ACTIVE;
    std::snprintf(lifeText, sizeof lifeText, "%d", static_cast<int>(soldier.life));
    std::snprintf(strengthText, sizeof strengthText, "%d", static_cast<int>(soldier.strength));
    std::snprintf(defenseText, sizeof defenseText, "%d", static_cast<int>(soldier.defense));
    attackScreen.state = STATE_INACTIVE;
}

void takeKeyOffTiles(bool off) {
    SDL_Surface* tiles = battlefield.tileset;
    if (off) {
        SDL_SetColorKey(tiles, 0, 0);
    } else {
        SDL_SetColorKey(tiles, SDL_SRCCOLORKEY, SDL_MapRGB(tiles->format, 0, 0, 0));
    }
}
