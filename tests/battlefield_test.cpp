#include "harness.h"
#include "shell/shell.h"

#include <gtest/gtest.h>
#include <initializer_list>

namespace {

Uint32 surfacePixel(SDL_Surface* s, int x, int y) {
    SDL_LockSurface(s);
    Uint32 v =
        reinterpret_cast<const Uint16*>(static_cast<const Uint8*>(s->pixels) + y * s->pitch)[x];
    SDL_UnlockSurface(s);
    return v;
}

// Whether the 32x32 screen square at (sx, sy) shows tile `tile` of the tileset,
// cut to the screen.
bool squareShowsTile(int sx, int sy, int tile) {
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            int px = sx + x;
            int py = sy + y;
            if (px < 0 || py < 0 || px >= 320 || py >= 240) {
                continue;
            }
            if (screenPixel(px, py) != surfacePixel(battlefield.tileset, 32 * tile + x, y)) {
                return false;
            }
        }
    }
    return true;
}

bool squareUntouched(int sx, int sy, int w, int h, Uint32 colour) {
    for (int y = sy; y < sy + h; ++y) {
        for (int x = sx; x < sx + w; ++x) {
            if (screenPixel(x, y) != colour) {
                return false;
            }
        }
    }
    return true;
}

constexpr int EARTH = 1;
constexpr int FOLIAGE = 4;
constexpr int GRASS = 7;

class Battlefield : public ::testing::Test {
  protected:
    void SetUp() override {
        freshBattle();
        fillScreen(255, 0, 255);
    }
    void TearDown() override { battlefield.tileModulus = 9; }
};

TEST_F(Battlefield, SetUpForEveryBattle) {
    battlefield.tileDrawX = 123;
    battlefield.tileDrawY = 45;
    setupBattlefield(8, 15, 0, 0);
    EXPECT_EQ(160, battlefield.maxCameraX);
    EXPECT_EQ(16, battlefield.maxCameraY);
    EXPECT_EQ(9, battlefield.tileModulus);
    EXPECT_EQ(2, battlefield.reservedValue);
    EXPECT_EQ(0, battlefield.cameraX);
    EXPECT_EQ(0, battlefield.cameraY);
    EXPECT_EQ(0, battlefield.tileDrawX);
    EXPECT_EQ(0, battlefield.tileDrawY);
    EXPECT_NE(nullptr, battlefield.tileset) << "the tileset is kept";
}

// Grass column at the left with foliage in rows 3 (and 7, never shown),
// foliage at row 1 column 7 and row 6 column 6, earth elsewhere, no water.
TEST_F(Battlefield, CameraAtTheOriginShowsTenBySevenTiles) {
    drawTiles(&battlefield, 0, 0, screen);
    for (int row = 0; row < 7; ++row) {
        for (int col = 0; col < 10; ++col) {
            int tile = EARTH;
            if (col == 0) {
                tile = row == 3 ? FOLIAGE : GRASS;
            }
            if ((row == 1 && col == 7) || (row == 6 && col == 6)) {
                tile = FOLIAGE;
            }
            EXPECT_TRUE(squareShowsTile(32 * col, 32 * row, tile))
                << "row " << row << " col " << col;
        }
    }
    EXPECT_TRUE(squareUntouched(0, 224, 320, 16, displayColour(255, 0, 255)))
        << "the bottom band is not painted";
    EXPECT_EQ(288, battlefield.tileDrawX);
    EXPECT_EQ(192, battlefield.tileDrawY);
}

// Offsets are the low five bits of the camera; the tile rows stay 15 cells long.
TEST_F(Battlefield, CameraSixteenToTheRightShiftsTheColumns) {
    drawTiles(&battlefield, 16, 0, screen);
    EXPECT_TRUE(squareShowsTile(-16, 0, GRASS));
    EXPECT_TRUE(squareShowsTile(16, 0, EARTH));
    EXPECT_TRUE(squareShowsTile(208, 32, FOLIAGE)) << "row 1, column 7";
    EXPECT_TRUE(squareUntouched(304, 0, 16, 224, displayColour(255, 0, 255)));
    EXPECT_EQ(272, battlefield.tileDrawX);
}

// A remainder of 0 puts the source left of the tileset: the square keeps what
// the screen held. With a modulus of 4 the map's 8s give 0, its 5s give water.
TEST_F(Battlefield, CellValueChoosesTheTileByItsRemainder) {
    battlefield.tileModulus = 4;
    drawTiles(&battlefield, 0, 0, screen);
    EXPECT_TRUE(squareUntouched(0, 0, 32, 32, displayColour(255, 0, 255))) << "8 mod 4";
    EXPECT_TRUE(squareShowsTile(0, 96, 0)) << "5 mod 4 is water";
    EXPECT_TRUE(squareShowsTile(32, 0, EARTH)) << "2 mod 4";
}

TEST(BattleSetup, FieldsEightUnits) {
    freshBattle();
    int active = 0;
    for (Sprite* squad : {playerSquad, enemySquad1, enemySquad2, enemyArmour}) {
        for (int i = 0; i < SQUAD_SIZE; ++i) {
            active += squad[i].state == STATE_ACTIVE;
        }
    }
    EXPECT_EQ(8, active);
    for (int i = 0; i < SQUAD_SIZE; ++i) {
        EXPECT_EQ(STATE_ACTIVE, playerSquad[i].state);
    }
    EXPECT_EQ(STATE_ACTIVE, enemySquad1[0].state);
    EXPECT_EQ(STATE_ACTIVE, enemySquad1[1].state);
    EXPECT_EQ(STATE_ACTIVE, enemySquad2[0].state);
    EXPECT_EQ(290, playerSquad[0].x);
    EXPECT_EQ(29, enemySquad1[0].w);
    EXPECT_EQ(30, enemySquad1[1].h);
    EXPECT_EQ(451, enemySquad1[0].maxX);
    EXPECT_EQ(226, enemySquad1[1].maxY);
    EXPECT_EQ(448, enemySquad1[2].maxX);
    EXPECT_EQ(416, enemyArmour[0].maxX);
    EXPECT_EQ(192, enemyArmour[0].maxY);
    EXPECT_EQ(480, attackScreen.w);
    EXPECT_EQ(272, attackScreen.h);
    EXPECT_EQ(256, bannerStrip.y);
    EXPECT_EQ(480, bannerStrip.w);
    EXPECT_EQ(380, commandMenu.maxX);
    EXPECT_EQ(156, commandMenu.maxY);
    EXPECT_EQ(320, moveRangeGrid.maxX);
    EXPECT_EQ(96, moveRangeGrid.maxY);
}

// Every starting value comes back; what the set-up does not write carries over.
TEST(BattleSetup, SecondBattleStartsAfreshButCarriesTheUnwrittenFields) {
    freshBattle();
    enemySquad1[0].life = -2;
    enemySquad1[0].state = STATE_INACTIVE;
    enemySquad1[0].animTick = 3;
    playerSquad[2].homeX = 96;
    playerSquad[2].homeY = 64;
    playerSquad[2].step = 7;
    playerSquad[2].x = 130;
    playerSquad[2].sheetRow = 32;
    playerSquad[2].animTick = 2;
    playerSquad[2].movePoints = 0;
    cursor.x = 0;
    cursor.state = STATE_TARGETING;
    cursor.animTick = 2;
    statsPanel.state = STATE_ACTIVE;
    attackScreen.state = STATE_ACTIVE;
    moveRangeGrid.state = STATE_ACTIVE;
    soldierHasHome[2] = true;

    freshBattle();
    EXPECT_EQ(10, enemySquad1[0].life);
    EXPECT_EQ(STATE_ACTIVE, enemySquad1[0].state);
    EXPECT_EQ(3, enemySquad1[0].animTick) << "the enemies' animTick carries over";
    EXPECT_EQ(96, playerSquad[2].x);
    EXPECT_EQ(0, playerSquad[2].sheetRow);
    EXPECT_EQ(0, playerSquad[2].animTick);
    EXPECT_EQ(64, playerSquad[2].movePoints);
    EXPECT_EQ(96, playerSquad[2].homeX) << "homes carry over";
    EXPECT_EQ(64, playerSquad[2].homeY);
    EXPECT_EQ(7, playerSquad[2].step);
    EXPECT_FALSE(soldierHasHome[2]) << "but they are not homes of this battle";
    EXPECT_EQ(160, cursor.x);
    EXPECT_EQ(160, cursor.y);
    EXPECT_EQ(STATE_ACTIVE, cursor.state);
    EXPECT_EQ(2, cursor.animTick);
    EXPECT_EQ(STATE_INACTIVE, statsPanel.state);
    EXPECT_EQ(STATE_INACTIVE, attackScreen.state);
    EXPECT_EQ(STATE_INACTIVE, moveRangeGrid.state);
}

TEST(BattleSetup, BoundsFollowTheCameraLimits) {
    clearInput();
    setupBattlefield(10, 20, 0, 0);
    setupBattle();
    EXPECT_EQ(608, playerSquad[1].maxX);
    EXPECT_EQ(288, playerSquad[1].maxY);
    EXPECT_EQ(576, enemyArmour[1].maxX);
    EXPECT_EQ(256, enemyArmour[1].maxY);
    freshBattle();
}

// The dead get their points too, without coming back; nothing else changes.
TEST(BattleSetup, EndOfTurnRefreshesTheTwentyFightingUnitsOnly) {
    freshBattle();
    enemySquad2[0].life = -2;
    enemySquad2[0].state = STATE_INACTIVE;
    enemySquad2[0].attacksLeft = 0;
    playerSquad[1].movePoints = 0;
    playerSquad[1].attacksLeft = 0;
    playerSquad[1].x = 96;
    playerSquad[1].moveOrdered = 1;
    enemyArmour[4].movePoints = 6;
    reserveSquad1[0].movePoints = 6;
    refreshTurn();
    EXPECT_EQ(1, enemySquad2[0].attacksLeft);
    EXPECT_EQ(64, enemySquad2[0].movePoints);
    EXPECT_EQ(STATE_INACTIVE, enemySquad2[0].state);
    EXPECT_EQ(64, playerSquad[1].movePoints);
    EXPECT_EQ(1, playerSquad[1].attacksLeft);
    EXPECT_EQ(96, playerSquad[1].x);
    EXPECT_EQ(1, playerSquad[1].moveOrdered);
    EXPECT_EQ(64, enemyArmour[4].movePoints);
    EXPECT_EQ(6, reserveSquad1[0].movePoints);
}

} // namespace
