#include "harness.h"
#include "rules/rules.h"
#include "shell/shell.h"

#include <cstring>
#include <gtest/gtest.h>
#include <initializer_list>

namespace {

// A pixel where the frames of two sheets (at source rows rowA and rowB) are
// both opaque and differ, so that the screen tells which one was drawn last.
bool findTellingPixel(Sprite* a, int rowA, Sprite* b, int rowB, int* px, int* py) {
    Uint32 keyA = a->surface->format->colorkey;
    Uint32 keyB = b->surface->format->colorkey;
    for (int y = 0; y < 29; ++y) {
        for (int x = 0; x < 29; ++x) {
            Uint32 pa = spritePixel(a->surface, x, rowA + y);
            Uint32 pb = spritePixel(b->surface, x, rowB + y);
            if (pa != keyA && pb != keyB && pa != pb) {
                *px = x;
                *py = y;
                return true;
            }
        }
    }
    return false;
}

class Frame : public ::testing::Test {
  protected:
    void SetUp() override {
        freshBattle();
        setClock(1000, 1);
        lastFrameTicks = 0;
        fillScreen(255, 0, 255);
    }
    // Everything of the frame but the units: what a square looks like empty.
    std::vector<Uint16> frameWithoutUnits() {
        Squad saved[4];
        Sprite* squads[] = {playerSquad, enemySquad1, enemySquad2, enemyArmour};
        for (int k = 0; k < 4; ++k) {
            std::memcpy(saved[k], squads[k], sizeof(Squad));
            for (int i = 0; i < SQUAD_SIZE; ++i) {
                squads[k][i].state = STATE_INACTIVE;
            }
        }
        renderBattleFrame();
        std::vector<Uint16> pixels = grabScreen();
        for (int k = 0; k < 4; ++k) {
            std::memcpy(squads[k], saved[k], sizeof(Squad));
        }
        return pixels;
    }
};

// An enemy covers a player's soldier, enemySquad2 covers enemySquad1, and a
// higher index covers a lower one.
TEST_F(Frame, UnitsAreDrawnInSquadOrder) {
    struct Pair {
        Sprite* under;
        Sprite* over;
    };
    for (Pair p : {Pair{&playerSquad[1], &enemySquad2[0]}, Pair{&enemySquad1[0], &enemySquad2[0]},
                   Pair{&playerSquad[1], &enemySquad1[1]}}) {
        freshBattle();
        int x = 0;
        int y = 0;
        ASSERT_TRUE(findTellingPixel(p.under, 0, p.over, 0, &x, &y));
        p.over->x = p.under->x;
        p.over->y = p.under->y;
        renderBattleFrame();
        EXPECT_EQ(spritePixel(p.over->surface, x, y), screenPixel(p.under->x + x, p.under->y + y));
    }
    freshBattle();
    Sprite* low = &playerSquad[1];
    Sprite* high = &playerSquad[4];
    high->x = low->x;
    high->y = low->y;
    high->sheetRow = 32;
    int x = 0;
    int y = 0;
    ASSERT_TRUE(findTellingPixel(low, 0, high, 32, &x, &y));
    renderBattleFrame();
    EXPECT_EQ(spritePixel(high->surface, x, 32 + y), screenPixel(low->x + x, low->y + y));
}

// A unit without life is switched off as it would be drawn, and stays off.
TEST_F(Frame, ADeadUnitVanishesFromTheNextFrameAndStaysGone) {
    std::vector<Uint16> empty = frameWithoutUnits();
    Sprite* enemy = &enemySquad1[0];
    renderBattleFrame();
    EXPECT_NE(empty, grabScreen()) << "the enemy is drawn while it lives";

    enemy->life = 0;
    renderBattleFrame();
    EXPECT_EQ(STATE_INACTIVE, enemy->state);
    enemySquad1[1].state = STATE_INACTIVE;
    enemySquad2[0].state = STATE_INACTIVE;
    for (Sprite& s : playerSquad) {
        s.state = STATE_INACTIVE;
    }
    renderBattleFrame();
    EXPECT_EQ(empty, grabScreen());

    enemy->life = 5;
    renderBattleFrame();
    EXPECT_EQ(STATE_INACTIVE, enemy->state) << "nothing brings it back this battle";
    EXPECT_EQ(empty, grabScreen());
}

TEST_F(Frame, UnfieldedUnitsAreNotDrawnAndKeepTheirLife) {
    std::vector<Uint16> empty = frameWithoutUnits();
    for (Sprite* squad : {playerSquad, enemySquad1, enemySquad2}) {
        for (int i = 0; i < SQUAD_SIZE; ++i) {
            squad[i].state = STATE_INACTIVE;
        }
    }
    renderBattleFrame();
    EXPECT_EQ(empty, grabScreen());
    for (Sprite& v : enemyArmour) {
        EXPECT_EQ(10, v.life);
    }
}

// The notice covers everything, the stats panel and its numbers included.
TEST_F(Frame, AttackNoticeCoversTheWholeScreen) {
    statsPanel.state = STATE_ACTIVE;
    statsPanel.x = 220;
    statsPanel.y = 140;
    portrait1.state = STATE_ACTIVE;
    moveRangeGrid.state = STATE_ACTIVE;
    attackScreen.state = STATE_ACTIVE;
    std::strcpy(lifeText, "12");
    renderBattleFrame();
    int differing = 0;
    for (int y = 0; y < 240; ++y) {
        for (int x = 0; x < 320; ++x) {
            differing += screenPixel(x, y) != spritePixel(attackScreen.surface, x, y);
        }
    }
    EXPECT_EQ(0, differing);
}

// The numbers go at the panel's x + 78 and y + 37, 53 and 69, over the panel
// and under the portrait.
TEST_F(Frame, StatsNumbersStandBesideTheirLabels) {
    statsPanel.state = STATE_ACTIVE;
    statsPanel.x = 220;
    statsPanel.y = 140;
    std::strcpy(lifeText, "10");
    std::strcpy(strengthText, "7");
    std::strcpy(defenseText, "4");
    renderBattleFrame();
    std::vector<Uint16> withNumbers = grabScreen();

    lifeText[0] = strengthText[0] = defenseText[0] = '\0';
    renderBattleFrame();
    drawText("10", 298, 177, fontSurface, screen, 0, 0, 0);
    drawText("7", 298, 193, fontSurface, screen, 0, 0, 0);
    drawText("4", 298, 209, fontSurface, screen, 0, 0, 0);
    EXPECT_EQ(withNumbers, grabScreen());
    int inked = 0;
    for (int y = 185; y <= 195; ++y) {
        for (int x = 298; x < 310; ++x) {
            inked += spritePixel(statsPanel.surface, x - 220, y - 140) != screenPixel(x, y);
        }
    }
    EXPECT_GT(inked, 10) << "the digits of 10 stand over the panel there";
}

// Both cursors show while an attack is aimed: the attack cursor under the
// selection cursor, parked over the soldier.
TEST_F(Frame, AimingShowsBothCursors) {
    cursor.x = 128;
    cursor.y = 128;
    cursor.state = STATE_TARGETING;
    attackCursor.state = STATE_ACTIVE;
    attackCursor.x = 160;
    attackCursor.y = 128;
    renderBattleFrame();
    Uint32 ckey = cursor.surface->format->colorkey;
    Uint32 akey = attackCursor.surface->format->colorkey;
    EXPECT_NE(ckey, spritePixel(cursor.surface, 0, 0));
    EXPECT_EQ(spritePixel(cursor.surface, 0, 0), screenPixel(128, 128));
    EXPECT_NE(akey, spritePixel(attackCursor.surface, 0, 0));
    EXPECT_EQ(spritePixel(attackCursor.surface, 0, 0), screenPixel(160, 128));
}

TEST_F(Frame, TheBottomBandKeepsWhatTheScreenHeld) {
    renderBattleFrame();
    for (int x = 0; x < 320; x += 7) {
        EXPECT_EQ(displayColour(255, 0, 255), screenPixel(x, 230)) << x;
    }
    EXPECT_EQ(displayColour(255, 0, 255), screenPixel(0, 224));
}

struct PaceCase {
    const char* meaning;
    Uint32 last;
    Uint32 now;
    unsigned long readings; // 1 millisecond passes per reading
};

void PrintTo(const PaceCase& c, std::ostream* os) {
    *os << c.meaning;
}

class Pacing : public ::testing::TestWithParam<PaceCase> {};

// The wait spins until 33 ms have passed since the last stamp, then stamps
// anew with a fresh reading; the difference is unsigned.
TEST_P(Pacing, WaitsOutThirtyThreeMilliseconds) {
    const PaceCase& c = GetParam();
    lastFrameTicks = c.last;
    setClock(c.now, 1);
    paceFrame(BATTLE_FPS);
    EXPECT_EQ(c.readings, clockReadings());
    EXPECT_EQ(c.now + c.readings - 1, lastFrameTicks);
}

INSTANTIATE_TEST_SUITE_P(
    Passes, Pacing,
    ::testing::Values(PaceCase{"TenMillisecondPassWaitsTwentyThreeMore", 5000, 5010, 25},
                      PaceCase{"FiftyMillisecondPassDoesNotWait", 5000, 5050, 2},
                      PaceCase{"ExactlyThirtyThreeDoesNotWait", 5000, 5033, 2},
                      PaceCase{"WrapAroundPastTwoToTheThirtyTwo", 0xfffffff0u, 5, 14},
                      PaceCase{"FirstFrameOfARun", 0, 3, 32}),
    [](const auto& info) { return std::string(info.param.meaning); });

} // namespace
