#include "harness.h"
#include "platform/buttons.h"
#include "platform/script_player.h"
#include "rules/rules.h"
#include "shell/shell.h"

#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace {

const SDL_Rect WHOLE_SCREEN{0, 0, 320, 240};

// Soldier 3 stands at (144, 128), where a walk from its start stopped after
// eight steps; from there one RIGHT takes its attack cursor to (176, 128),
// over enemySquad1[0] at (192, 128).
class Combat : public ::testing::Test {
  protected:
    Sprite& soldier = playerSquad[3];
    Sprite& enemy = enemySquad1[0];

    void SetUp() override {
        freshBattle();
        setClock(0, 40);
        failWhenAScreenWaits();
        soldier.x = 144;
    }
    void TearDown() override {
        playScript(nullptr);
        clearInput();
    }

    // ATTACK in the command menu, with X let go again afterwards.
    void orderAttack(const Sprite& attacker) {
        cursor.x = attacker.x;
        cursor.y = attacker.y;
        holdButton(BUTTON_X);
        pushPresses({BUTTON_DOWN, BUTTON_A});
        selectUnderCursor(&cursor, playerSquad);
        releaseButton(BUTTON_X);
        ASSERT_EQ(STATE_TARGETING, cursor.state);
    }
    void orderAttack() { orderAttack(soldier); }
    void aimAtTheEnemy(const Sprite& attacker) {
        orderAttack(attacker);
        moveCursorRight(&attackCursor);
        ASSERT_EQ(176, attackCursor.x);
    }
    void aimAtTheEnemy() { aimAtTheEnemy(soldier); }
    // One pass of the rules with exactly these buttons held.
    static void rulesHolding(std::initializer_list<int> buttons) {
        releaseAllButtons();
        for (int b : buttons) {
            holdButton(b);
        }
        applyBattleRules();
        releaseAllButtons();
    }
    // One battle pass, with these presses queued and these buttons held.
    static void passHolding(std::initializer_list<int> buttons,
                            std::initializer_list<int> presses = {}) {
        releaseAllButtons();
        for (int b : buttons) {
            holdButton(b);
        }
        pushPresses(presses);
        BattleLoop loop{};
        enterBattle(&loop);
        runBattlePass(&loop);
        releaseAllButtons();
    }
    static int noticeMismatches() {
        return pictureMismatches(attackScreen.surface, 0, 0, WHOLE_SCREEN);
    }
};

TEST_F(Combat, YWithoutANoticeOnlyPresentsTheScreenAgain) {
    RecordSnapshot before = snapshotRecords();
    unsigned long presented = presentedFrames();
    rulesHolding({BUTTON_Y});
    EXPECT_EQ(1u, presentedFrames() - presented);
    EXPECT_EQ("", changesSince(before));

    presented = presentedFrames();
    rulesHolding({});
    EXPECT_EQ(0u, presentedFrames() - presented);
}

TEST_F(Combat, StrikeExchangesBlowsAndRaisesTheNotice) {
    aimAtTheEnemy();
    RecordSnapshot before = snapshotRecords();
    rulesHolding({BUTTON_X});
    EXPECT_EQ("playerSquad[3].animTick 0 -> 1\n"
              "playerSquad[3].attacksLeft 1 -> 0\n"
              "playerSquad[3].attackOrdered 1 -> 0\n"
              "playerSquad[3].life 10 -> 9\n"
              "enemySquad1[0].life 10 -> 7\n"
              "cursor.state 2 -> 1\n"
              "attackCursor.state 1 -> 0\n"
              "attackScreen.state 0 -> 1\n",
              changesSince(before));
    EXPECT_EQ(1, spritesOverlap(&cursor, &soldier)) << "the cursor is back over the attacker";

    fillScreen(255, 0, 255);
    passHolding({});
    EXPECT_EQ(0, noticeMismatches()) << "the next frame is the notice alone";
}

TEST_F(Combat, StrikeWithoutAttacksLeftOnlyEndsTheAim) {
    aimAtTheEnemy();
    soldier.attacksLeft = 0;
    RecordSnapshot before = snapshotRecords();
    rulesHolding({BUTTON_X});
    EXPECT_EQ("cursor.state 2 -> 1\n"
              "attackCursor.state 1 -> 0\n",
              changesSince(before))
        << "no blow, no notice, and attackOrdered stays 1";

    before = snapshotRecords();
    rulesHolding({BUTTON_X});
    EXPECT_EQ("", changesSince(before)) << "the cursor is no longer parked: nothing to strike";
}

struct MissCase {
    const char* meaning;
    std::function<void()> arrange; // runs after ATTACK, before the aim is stepped
    const char* steps;             // attack cursor presses: R or U
};

void PrintTo(const MissCase& c, std::ostream* os) {
    *os << c.meaning;
}

class CombatMiss : public Combat, public ::testing::WithParamInterface<MissCase> {};

// Only a live, fielded enemy under the attack cursor takes a blow; otherwise
// the aim goes on untouched.
TEST_P(CombatMiss, AimGoesOn) {
    const MissCase& c = GetParam();
    orderAttack();
    c.arrange();
    for (const char* p = c.steps; *p; ++p) {
        if (*p == 'R') {
            moveCursorRight(&attackCursor);
        } else {
            moveCursorUp(&attackCursor);
        }
    }
    RecordSnapshot before = snapshotRecords();
    rulesHolding({BUTTON_X});
    EXPECT_EQ("", changesSince(before));
    EXPECT_EQ(STATE_TARGETING, cursor.state);
    EXPECT_EQ(STATE_ACTIVE, attackCursor.state);
    EXPECT_EQ(1, soldier.attackOrdered);
}

INSTANTIATE_TEST_SUITE_P(Aims, CombatMiss,
                         ::testing::Values(MissCase{"OverItsOwnSquare", [] {}, ""},
                                           MissCase{"OverAnUnfieldedEnemy",
                                                    [] {
                                                        enemySquad1[2].x = 144;
                                                        enemySquad1[2].y = 96;
                                                    },
                                                    "U"},
                                           MissCase{"OverAKilledEnemy",
                                                    [] {
                                                        enemySquad1[0].life = -2;
                                                        renderBattleFrame();
                                                    },
                                                    "R"},
                                           MissCase{"OverAnotherSoldier",
                                                    [] {
                                                        playerSquad[2].x = 144;
                                                        playerSquad[2].y = 96;
                                                    },
                                                    "U"}),
                         [](const auto& info) { return std::string(info.param.meaning); });

// The fourth blow leaves an enemy soldier at -2; the return blow still falls,
// and from the next frame on the tiles show where it stood.
TEST_F(Combat, EnemyStruckAtLifeOneFallsAndStillStrikesBack) {
    const SDL_Rect stood{192, 128, 29, 30};
    passHolding({});
    ASSERT_EQ(0, pictureMismatches(enemy.surface, enemy.x - enemy.frame * enemy.w,
                                   enemy.y - enemy.sheetRow, stood))
        << "the enemy's frame is drawn before the blow";
    aimAtTheEnemy();
    enemy.life = 1;
    rulesHolding({BUTTON_X});
    EXPECT_EQ(-2, enemy.life);
    EXPECT_EQ(9, soldier.life);
    EXPECT_EQ(STATE_ACTIVE, enemy.state) << "the rules never switch a unit off";

    passHolding({BUTTON_Y});
    EXPECT_EQ(STATE_INACTIVE, enemy.state);
    for (int frame = 0; frame < 3; ++frame) {
        passHolding({});
        EXPECT_EQ(0, tileMismatches(stood)) << "frame " << frame;
    }
    EXPECT_EQ(STATE_INACTIVE, enemy.state);
}

struct FallenCase {
    const char* meaning;
    bool markedBefore;
    int panelState;
    const char* life;
};

void PrintTo(const FallenCase& c, std::ostream* os) {
    *os << c.meaning;
}

class CombatFallenSoldier : public Combat, public ::testing::WithParamInterface<FallenCase> {};

// A soldier at life 1 strikes and is left at 0: gone from the next frame, it
// can no longer be marked, but a mark it had still shows its numbers.
TEST_P(CombatFallenSoldier, StrikesAndIsGone) {
    const FallenCase& c = GetParam();
    if (c.markedBefore) {
        cursor.x = soldier.x;
        cursor.y = soldier.y;
        rulesHolding({BUTTON_R});
        ASSERT_EQ(1, soldier.statsShown);
        statsPanel.state = STATE_INACTIVE;
    }
    aimAtTheEnemy();
    soldier.life = 1;
    rulesHolding({BUTTON_X});
    EXPECT_EQ(0, soldier.life);
    EXPECT_EQ(7, enemy.life);

    passHolding({BUTTON_Y}, {BUTTON_LEFT});
    EXPECT_EQ(STATE_INACTIVE, soldier.state);
    passHolding({});
    EXPECT_EQ(0, tileMismatches(SDL_Rect{144, 128, 32, 32})) << "the cursor stepped off it";

    moveCursorRight(&cursor);
    ASSERT_EQ(soldier.x, cursor.x);
    rulesHolding({BUTTON_R});
    EXPECT_EQ(c.markedBefore ? 1 : 0, soldier.statsShown);
    EXPECT_EQ(c.panelState, statsPanel.state);
    if (c.life) {
        EXPECT_STREQ(c.life, lifeText);
    }
}

INSTANTIATE_TEST_SUITE_P(Marks, CombatFallenSoldier,
                         ::testing::Values(FallenCase{"NotMarkedNoLonger", false, 0, nullptr},
                                           FallenCase{"MarkedShowsLifeZero", true, 1, "0"}),
                         [](const auto& info) { return std::string(info.param.meaning); });

struct TargetCase {
    const char* meaning;
    std::vector<Sprite*> underTheAim;
    Sprite* struck;
};

void PrintTo(const TargetCase& c, std::ostream* os) {
    *os << c.meaning;
}

class CombatTarget : public Combat, public ::testing::WithParamInterface<TargetCase> {};

// Lowest index first; at one index enemySquad1, then enemySquad2, then
// enemyArmour. Exactly one of them takes the blow.
TEST_P(CombatTarget, OneBlowByTargetOrder) {
    const TargetCase& c = GetParam();
    for (Sprite* squad : {enemySquad1, enemySquad2, enemyArmour}) {
        for (int j = 0; j < SQUAD_SIZE; ++j) {
            squad[j].state = STATE_INACTIVE;
        }
    }
    for (Sprite* unit : c.underTheAim) {
        unit->x = 180;
        unit->y = 130;
        unit->state = STATE_ACTIVE;
    }
    aimAtTheEnemy();
    rulesHolding({BUTTON_X});
    for (Sprite* unit : c.underTheAim) {
        EXPECT_EQ(unit == c.struck ? 7 : 10, unit->life);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Overlaps, CombatTarget,
    ::testing::Values(
        TargetCase{
            "LowerIndexOfTheSecondSquad", {&enemySquad1[1], &enemySquad2[0]}, &enemySquad2[0]},
        TargetCase{"FirstSquadAtOneIndex", {&enemySquad2[2], &enemySquad1[2]}, &enemySquad1[2]},
        TargetCase{"SecondSquadBeforeArmour", {&enemyArmour[1], &enemySquad2[1]}, &enemySquad2[1]},
        TargetCase{"ArmourAtALowerIndex", {&enemySquad1[3], &enemyArmour[0]}, &enemyArmour[0]},
        TargetCase{
            "ThreeAtOnce", {&enemySquad2[4], &enemyArmour[4], &enemySquad1[4]}, &enemySquad1[4]}),
    [](const auto& info) { return std::string(info.param.meaning); });

// Soldiers 2 and 3 both aim from under the parked cursor: the lower index
// strikes, and the cursor it frees stops soldier 3 from striking too.
TEST_F(Combat, AtMostOneBlowPerPass) {
    playerSquad[2].x = soldier.x;
    playerSquad[2].y = soldier.y;
    aimAtTheEnemy();
    ASSERT_EQ(1, playerSquad[2].attackOrdered) << "soldier 2's menu came first";
    playerSquad[3].attackOrdered = 1;
    enemySquad2[0].x = 180;
    enemySquad2[0].y = 130;
    rulesHolding({BUTTON_X});
    EXPECT_EQ(9, playerSquad[2].life);
    EXPECT_EQ(0, playerSquad[2].attacksLeft);
    EXPECT_EQ(10, playerSquad[3].life);
    EXPECT_EQ(1, playerSquad[3].attacksLeft);
    EXPECT_EQ(1, playerSquad[3].attackOrdered);
    EXPECT_EQ(7, enemy.life);
    EXPECT_EQ(10, enemySquad2[0].life);
}

// B comes before X in each soldier's turn, so the aim is withdrawn first,
// even for soldier 0, whose turn comes before every other soldier's B.
TEST_F(Combat, BWithXStrikesNoBlow) {
    Sprite& first = playerSquad[0];
    first.x = soldier.x;
    first.y = soldier.y;
    soldier.x = 96;
    aimAtTheEnemy(first);
    RecordSnapshot before = snapshotRecords();
    rulesHolding({BUTTON_B, BUTTON_X});
    EXPECT_EQ("playerSquad[0].attackOrdered 1 -> 0\n"
              "cursor.state 2 -> 1\n"
              "attackCursor.state 1 -> 0\n",
              changesSince(before));
}

TEST_F(Combat, BWithdrawsEverythingButTheNotice) {
    for (int i = 0; i < SQUAD_SIZE; ++i) {
        playerSquad[i].moveOrdered = 1;
        playerSquad[i].attackOrdered = 1;
        playerSquad[i].statsShown = 1;
    }
    cursor.state = STATE_TARGETING;
    attackCursor.state = STATE_ACTIVE;
    statsPanel.state = STATE_ACTIVE;
    portrait1.state = STATE_ACTIVE;
    moveRangeGrid.state = STATE_ACTIVE;
    attackScreen.state = STATE_ACTIVE;
    rulesHolding({BUTTON_B});
    for (int i = 0; i < SQUAD_SIZE; ++i) {
        EXPECT_EQ(0, playerSquad[i].moveOrdered) << i;
        EXPECT_EQ(0, playerSquad[i].attackOrdered) << i;
        EXPECT_EQ(0, playerSquad[i].statsShown) << i;
    }
    EXPECT_EQ(STATE_ACTIVE, cursor.state);
    EXPECT_EQ(STATE_INACTIVE, attackCursor.state);
    EXPECT_EQ(STATE_INACTIVE, statsPanel.state);
    EXPECT_EQ(STATE_INACTIVE, portrait1.state);
    EXPECT_EQ(STATE_INACTIVE, moveRangeGrid.state);
    EXPECT_EQ(STATE_ACTIVE, attackScreen.state);
}

struct BAndRCase {
    const char* meaning;
    int underTheCursor;
    int panelState;
};

void PrintTo(const BAndRCase& c, std::ostream* os) {
    *os << c.meaning;
}

class CombatBAndR : public Combat, public ::testing::WithParamInterface<BAndRCase> {};

// Each soldier's B hides the panel and its R shows it again only for the
// soldier under the cursor: the panel survives only if that is the last.
TEST_P(CombatBAndR, PanelOnlyForTheLastSoldier) {
    const BAndRCase& c = GetParam();
    const Sprite& under = playerSquad[c.underTheCursor];
    cursor.x = under.x;
    cursor.y = under.y;
    rulesHolding({BUTTON_B, BUTTON_R});
    EXPECT_EQ(c.panelState, statsPanel.state);
    EXPECT_EQ(c.panelState, portrait1.state);
    EXPECT_EQ(1, under.statsShown) << "the soldier keeps its mark";
}

INSTANTIATE_TEST_SUITE_P(Soldiers, CombatBAndR,
                         ::testing::Values(BAndRCase{"OverSoldier4", 4, STATE_ACTIVE},
                                           BAndRCase{"OverSoldier3", 3, STATE_INACTIVE},
                                           BAndRCase{"OverSoldier1", 1, STATE_INACTIVE}),
                         [](const auto& info) { return std::string(info.param.meaning); });

struct MarkCase {
    const char* meaning;
    int marked;
    int underTheCursor;
    int shown;
};

void PrintTo(const MarkCase& c, std::ostream* os) {
    *os << c.meaning;
}

class CombatMarks : public Combat, public ::testing::WithParamInterface<MarkCase> {};

// Every marked soldier fills the panel in turn while R is held: the highest
// index wins, wherever the cursor is.
TEST_P(CombatMarks, HighestMarkedSoldierWins) {
    const MarkCase& c = GetParam();
    playerSquad[1].life = 8;
    playerSquad[1].strength = 6;
    playerSquad[1].defense = 2;
    soldier.life = 5;
    soldier.strength = 9;
    soldier.defense = 3;
    playerSquad[c.marked].statsShown = 1;
    const Sprite& under = playerSquad[c.underTheCursor];
    cursor.x = under.x;
    cursor.y = under.y;
    rulesHolding({BUTTON_R});
    const Sprite& shown = playerSquad[c.shown];
    EXPECT_EQ(std::to_string(shown.life), lifeText);
    EXPECT_EQ(std::to_string(shown.strength), strengthText);
    EXPECT_EQ(std::to_string(shown.defense), defenseText);
    EXPECT_EQ(1, under.statsShown);
}

INSTANTIATE_TEST_SUITE_P(Marks, CombatMarks,
                         ::testing::Values(MarkCase{"OverSoldier3WhileSoldier1Marked", 1, 3, 3},
                                           MarkCase{"OverSoldier1WhileSoldier3Marked", 3, 1, 3}),
                         [](const auto& info) { return std::string(info.param.meaning); });

struct StatsCase {
    const char* meaning;
    int life, strength, defense;
    const char* lifeShown;
    const char* strengthShown;
    const char* defenseShown;
};

void PrintTo(const StatsCase& c, std::ostream* os) {
    *os << c.meaning;
}

class CombatStats : public Combat, public ::testing::WithParamInterface<StatsCase> {};

TEST_P(CombatStats, PanelHoldsTheSoldiersNumbers) {
    const StatsCase& c = GetParam();
    soldier.life = c.life;
    soldier.strength = c.strength;
    soldier.defense = c.defense;
    cursor.x = soldier.x;
    cursor.y = soldier.y;
    rulesHolding({BUTTON_R});
    EXPECT_STREQ(c.lifeShown, lifeText);
    EXPECT_STREQ(c.strengthShown, strengthText);
    EXPECT_STREQ(c.defenseShown, defenseText);
    EXPECT_EQ(STATE_ACTIVE, statsPanel.state);
    EXPECT_EQ(STATS_PANEL_X, statsPanel.x);
    EXPECT_EQ(STATS_PANEL_Y, statsPanel.y);
    EXPECT_EQ(STATE_ACTIVE, portrait1.state);
    EXPECT_EQ(250, portrait1.x);
    EXPECT_EQ(155, portrait1.y);

    soldier.life = 3;
    rulesHolding({});
    EXPECT_STREQ(c.lifeShown, lifeText) << "the numbers are filled only while R is held";
    EXPECT_EQ(STATE_ACTIVE, statsPanel.state) << "the panel stays up after R";
}

INSTANTIATE_TEST_SUITE_P(Numbers, CombatStats,
                         ::testing::Values(StatsCase{"Roster", 10, 7, 4, "10", "7", "4"},
                                           StatsCase{"BelowZero", -3, 0, 12, "-3", "0", "12"},
                                           StatsCase{"Widest", 9999, -999, 100, "9999", "-999",
                                                     "100"}),
                         [](const auto& info) { return std::string(info.param.meaning); });

struct StopCase {
    const char* meaning;
    int held;
    bool cursorOverTheWalker;
};

void PrintTo(const StopCase& c, std::ostream* os) {
    *os << c.meaning;
}

class CombatStopsTheWalk : public Combat, public ::testing::WithParamInterface<StopCase> {};

// Soldier 2 walks from (96, 96) toward the cursor. In the pass X or B is
// held it still takes its step, then stops there with the grid hidden.
TEST_P(CombatStopsTheWalk, AfterThisPassesStep) {
    const StopCase& c = GetParam();
    Sprite& walker = playerSquad[2];
    walker.moveOrdered = 1;
    moveRangeGrid.state = STATE_ACTIVE;
    cursor.x = c.cursorOverTheWalker ? 128 : 160;
    cursor.y = 96;
    rulesHolding({c.held});
    EXPECT_EQ(98, walker.x);
    EXPECT_EQ(0, walker.moveOrdered);
    EXPECT_EQ(STATE_INACTIVE, moveRangeGrid.state);
    rulesHolding({});
    EXPECT_EQ(98, walker.x);
}

INSTANTIATE_TEST_SUITE_P(Buttons, CombatStopsTheWalk,
                         ::testing::Values(StopCase{"XWithTheCursorAway", BUTTON_X, false},
                                           StopCase{"XWithTheCursorOverIt", BUTTON_X, true},
                                           StopCase{"B", BUTTON_B, false}),
                         [](const auto& info) { return std::string(info.param.meaning); });

// X over a soldier that has no walk still takes the grid down.
TEST_F(Combat, XOverAnIdleSoldierHidesTheGrid) {
    moveRangeGrid.state = STATE_ACTIVE;
    cursor.x = soldier.x;
    cursor.y = soldier.y;
    rulesHolding({BUTTON_X});
    EXPECT_EQ(STATE_INACTIVE, moveRangeGrid.state);
}

// Only Y takes the notice down; under it the D-pad, R, B and START act as
// ever, unseen.
TEST_F(Combat, NoticeHidesTheBattleWithoutStoppingIt) {
    aimAtTheEnemy();
    rulesHolding({BUTTON_X});
    ASSERT_EQ(STATE_ACTIVE, attackScreen.state);

    passHolding({BUTTON_X});
    EXPECT_EQ(STATE_ACTIVE, attackScreen.state) << "X does not close the notice";

    passHolding({}, {BUTTON_LEFT});
    EXPECT_EQ(112, cursor.x);
    passHolding({}, {BUTTON_RIGHT});
    EXPECT_EQ(144, cursor.x);

    passHolding({BUTTON_R});
    EXPECT_EQ(STATE_ACTIVE, statsPanel.state);
    EXPECT_STREQ("9", lifeText);
    fillScreen(255, 0, 255);
    passHolding({});
    EXPECT_EQ(0, noticeMismatches()) << "the panel and its numbers lie under the notice";

    passHolding({BUTTON_B});
    EXPECT_EQ(STATE_INACTIVE, statsPanel.state);
    EXPECT_EQ(0, soldier.statsShown);

    passHolding({}, {BUTTON_START, BUTTON_START});
    EXPECT_EQ(1, soldier.attacksLeft) << "END TURN under the notice";
    EXPECT_EQ(STATE_ACTIVE, attackScreen.state);

    passHolding({BUTTON_Y});
    EXPECT_EQ(STATE_INACTIVE, attackScreen.state);
    fillScreen(255, 0, 255);
    passHolding({});
    EXPECT_NE(0, noticeMismatches());
    EXPECT_EQ(0, tileMismatches(SDL_Rect{0, 0, 32, 32})) << "the battlefield shows again";
}

} // namespace
