#include "harness.h"
#include "platform/buttons.h"
#include "platform/script_player.h"
#include "rules/rules.h"
#include "shell/shell.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace {

class Selection : public ::testing::Test {
  protected:
    void SetUp() override {
        freshBattle();
        setClock(0, 40);
        failWhenAScreenWaits();
    }
    void TearDown() override {
        playScript(nullptr);
        clearInput();
    }

    static void cursorOver(const Sprite& soldier) {
        cursor.x = soldier.x;
        cursor.y = soldier.y;
    }

    // X held and pressed, and the menu given the presses for `command`.
    static void choose(int command) {
        holdButton(BUTTON_X);
        for (int line = 0; line < command; ++line) {
            pushPress(BUTTON_DOWN);
        }
        pushPress(BUTTON_A);
        selectUnderCursor(&cursor, playerSquad);
    }

    // One frame of the rules with nothing held: a soldier with a move order
    // takes its step toward the cursor.
    static void walkFrames(int frames) {
        releaseAllButtons();
        for (int i = 0; i < frames; ++i) {
            applyBattleRules();
        }
    }
};

struct PlacementCase {
    const char* meaning;
    int soldier;
    int x, y;
    int menuX, menuY;
};

void PrintTo(const PlacementCase& c, std::ostream* os) {
    *os << c.meaning;
}

class SelectionMenuPlace : public Selection, public ::testing::WithParamInterface<PlacementCase> {};

// Right of the soldier with tops level while it stands clear of the far edges
// by more than 96, otherwise left of it with bottoms level.
TEST_P(SelectionMenuPlace, BesideTheSoldier) {
    const PlacementCase& c = GetParam();
    Sprite& soldier = playerSquad[c.soldier];
    soldier.x = c.x;
    soldier.y = c.y;
    cursorOver(soldier);
    fillScreen(255, 0, 255);
    choose(CMD_MOVE);
    EXPECT_EQ(c.menuX, commandMenu.x);
    EXPECT_EQ(c.menuY, commandMenu.y);
    SDL_Rect lowerLines{static_cast<Sint16>(c.menuX), static_cast<Sint16>(c.menuY + 26), 100, 74};
    EXPECT_EQ(0, pictureMismatches(commandMenu.surface, c.menuX, c.menuY, lowerLines))
        << "the menu picture, cut only by the screen's edges";
    SDL_Rect firstLine{static_cast<Sint16>(c.menuX), static_cast<Sint16>(c.menuY), 100, 26};
    EXPECT_EQ(0, pictureMismatches(menuHighlight.surface, c.menuX, c.menuY, firstLine))
        << "the highlight frame on MOVE";
    EXPECT_EQ(c.menuX, menuHighlight.x);
    EXPECT_EQ(c.menuY, menuHighlight.y);
}

INSTANTIATE_TEST_SUITE_P(
    Soldiers, SelectionMenuPlace,
    ::testing::Values(PlacementCase{"RightOfSoldierAt64x64", 1, 64, 64, 96, 64},
                      PlacementCase{"LeftOfSoldierAt128x128", 3, 128, 128, 28, 60},
                      PlacementCase{"LeftAndCutAtTheScreensEdgeFor64x128", 1, 64, 128, -36, 60},
                      PlacementCase{"RightJustAboveRow128", 2, 96, 126, 128, 126},
                      PlacementCase{"RightJustShortOfX352", 2, 350, 64, 382, 64},
                      PlacementCase{"LeftFromX352", 2, 352, 64, 252, -4}),
    [](const auto& info) { return std::string(info.param.meaning); });

struct NoMenuCase {
    const char* meaning;
    int cursorX, cursorY, cursorState;
    bool xHeld;
    bool soldier3Killed;
};

void PrintTo(const NoMenuCase& c, std::ostream* os) {
    *os << c.meaning;
}

class SelectionNoMenu : public Selection, public ::testing::WithParamInterface<NoMenuCase> {};

// An X press that finds no live soldier of the squad under the active cursor,
// or finds X let go again, changes nothing at all.
TEST_P(SelectionNoMenu, XPressInTheBattleLoop) {
    const NoMenuCase& c = GetParam();
    cursor.x = c.cursorX;
    cursor.y = c.cursorY;
    cursor.state = c.cursorState;
    if (c.soldier3Killed) {
        playerSquad[3].life = 0;
        playerSquad[3].state = STATE_INACTIVE;
    }
    RecordSnapshot before = snapshotRecords();
    if (c.xHeld) {
        holdButton(BUTTON_X);
    }
    pushPress(BUTTON_X);
    BattleLoop loop{};
    enterBattle(&loop);
    runBattlePass(&loop);
    EXPECT_EQ("", changesSince(before));
    EXPECT_EQ(0, queuedEvents());
}

INSTANTIATE_TEST_SUITE_P(
    Presses, SelectionNoMenu,
    ::testing::Values(NoMenuCase{"NoSoldierUnderTheCursor", 160, 160, STATE_ACTIVE, true, false},
                      NoMenuCase{"CursorOnlyTouchesASoldier", 160, 128, STATE_ACTIVE, true, false},
                      NoMenuCase{"EnemyUnderTheCursor", 192, 128, STATE_ACTIVE, true, false},
                      NoMenuCase{"XLetGoBeforeThePressIsHandled", 128, 128, STATE_ACTIVE, false,
                                 false},
                      NoMenuCase{"KilledSoldierUnderTheCursor", 128, 128, STATE_ACTIVE, true, true},
                      NoMenuCase{"CursorParkedForAnAim", 128, 128, STATE_TARGETING, true, false}),
    [](const auto& info) { return std::string(info.param.meaning); });

struct RoundCase {
    const char* meaning;
    std::vector<int> firstMenu;
    bool letGoOfX;
    std::vector<int> menusAt; // x of each menu that opened, in order
    int secondMoveOrdered;
};

void PrintTo(const RoundCase& c, std::ostream* os) {
    *os << c.meaning;
}

class SelectionRound : public Selection, public ::testing::WithParamInterface<RoundCase> {};

// Soldier 1 at (64, 64) and soldier 4 at (80, 64) under one cursor: a menu of
// its own for each, in squad order, while X is held and the cursor active.
TEST_P(SelectionRound, TwoSoldiersUnderTheCursor) {
    const RoundCase& c = GetParam();
    playerSquad[4].x = 80;
    playerSquad[4].y = 64;
    cursorOver(playerSquad[1]);
    std::vector<int> menusAt;
    Script script;
    script.steps.push_back(
        {c.firstMenu, {}, c.letGoOfX ? std::vector<int>{BUTTON_X} : std::vector<int>{}, [&] {
             menusAt.push_back(commandMenu.x);
         }});
    script.steps.push_back({{BUTTON_A}, {}, {}, [&] { menusAt.push_back(commandMenu.x); }});
    script.finished = [] {
        ADD_FAILURE() << "a third menu";
        pushPress(BUTTON_A);
    };
    playScript(&script);
    holdButton(BUTTON_X);
    selectUnderCursor(&cursor, playerSquad);
    EXPECT_EQ(c.menusAt, menusAt);
    EXPECT_EQ(c.secondMoveOrdered, playerSquad[4].moveOrdered);
}

INSTANTIATE_TEST_SUITE_P(
    FirstChoices, SelectionRound,
    ::testing::Values(
        RoundCase{"MoveThenTheNextSoldiersMenu", {BUTTON_A}, false, {96, 112}, 1},
        RoundCase{"AttackParksTheCursorSoNoSecondMenu", {BUTTON_DOWN, BUTTON_A}, false, {96}, 0},
        RoundCase{"XLetGoDuringTheFirstMenu", {BUTTON_A}, true, {96}, 0}),
    [](const auto& info) { return std::string(info.param.meaning); });

// CANCEL puts the cursor on soldier 1's home, where soldier 4 stands: the
// later soldiers are tested where the cursor is now.
TEST_F(Selection, CancelCarriesTheCursorOntoALaterSoldier) {
    Sprite& first = playerSquad[1];
    first.homeX = 32;
    first.homeY = 64;
    soldierHasHome[1] = true;
    cursorOver(first);
    std::vector<int> menusAt;
    Script script;
    script.steps.push_back({{BUTTON_A}, {}, {}, [&] { menusAt.push_back(commandMenu.x); }});
    playScript(&script);
    choose(CMD_CANCEL);
    EXPECT_EQ((std::vector<int>{64}), menusAt) << "soldier 4's menu, right of (32, 64)";
    EXPECT_EQ(32, first.x);
    EXPECT_EQ(1, playerSquad[4].moveOrdered);
    EXPECT_EQ(script.steps.size(), script.next);
}

TEST_F(Selection, DownQueuedBehindTheAcceptOnAttackGivesSpecial) {
    Sprite& soldier = playerSquad[3];
    cursorOver(soldier);
    pushPresses({BUTTON_DOWN, BUTTON_A, BUTTON_DOWN});
    EXPECT_EQ(CMD_SPECIAL, runCommandMenu(&soldier));
    EXPECT_EQ(0, queuedEvents());

    RecordSnapshot before = snapshotRecords();
    holdButton(BUTTON_X);
    pushPresses({BUTTON_DOWN, BUTTON_A, BUTTON_DOWN});
    selectUnderCursor(&cursor, playerSquad);
    EXPECT_EQ("", changesSince(before)) << "SPECIAL changes nothing";
}

TEST_F(Selection, MoveCentresTheGridAndSavesTheHome) {
    Sprite& soldier = playerSquad[2];
    soldier.homeX = 0;
    soldier.homeY = 0;
    soldier.movePoints = 40;
    moveRangeGrid.x = 0;
    moveRangeGrid.y = 0;
    cursorOver(soldier);
    RecordSnapshot before = snapshotRecords();
    choose(CMD_MOVE);
    EXPECT_EQ("playerSquad[2].moveOrdered 0 -> 1\n"
              "playerSquad[2].homeX 0 -> 96\n"
              "playerSquad[2].homeY 0 -> 96\n"
              "moveRangeGrid.x 0 -> 32\n"
              "moveRangeGrid.y 0 -> 32\n"
              "moveRangeGrid.state 0 -> 1\n"
              "soldierHasHome[2] 0 -> 1\n",
              changesSince(before));
}

// The aim may be stepped over the soldier's square and the eight around it;
// a walk under way ends, and its grid stays as it was.
TEST_F(Selection, AttackParksTheCursorAndBoundsTheAim) {
    Sprite& soldier = playerSquad[3];
    soldier.moveOrdered = 1;
    moveRangeGrid.state = STATE_ACTIVE;
    attackCursor.maxX = attackCursor.minX = attackCursor.minY = attackCursor.maxY = 0;
    cursorOver(soldier);
    RecordSnapshot before = snapshotRecords();
    choose(CMD_ATTACK);
    EXPECT_EQ("playerSquad[3].moveOrdered 1 -> 0\n"
              "playerSquad[3].attackOrdered 0 -> 1\n"
              "cursor.state 1 -> 2\n"
              "attackCursor.x 0 -> 128\n"
              "attackCursor.y 0 -> 128\n"
              "attackCursor.state 0 -> 1\n"
              "attackCursor.maxX 0 -> 160\n"
              "attackCursor.minX 0 -> 96\n"
              "attackCursor.minY 0 -> 96\n"
              "attackCursor.maxY 0 -> 160\n",
              changesSince(before));
}

struct CancelCase {
    const char* meaning;
    int framesWalked;
    bool goesHome;
};

void PrintTo(const CancelCase& c, std::ostream* os) {
    *os << c.meaning;
}

class SelectionCancel : public Selection, public ::testing::WithParamInterface<CancelCase> {};

// Soldier 2 ordered to move at (96, 96) walks toward the cursor at (128, 96).
// The walk's animTick is 1 after frames 1, 5, 9, 13...: then the soldier
// stays, as one that has struck does.
TEST_P(SelectionCancel, AfterAWalk) {
    const CancelCase& c = GetParam();
    Sprite& soldier = playerSquad[2];
    cursorOver(soldier);
    choose(CMD_MOVE);
    moveCursorRight(&cursor);
    walkFrames(c.framesWalked);
    int walkedX = soldier.x;
    int pointsLeft = soldier.movePoints;
    ASSERT_EQ(96 + 2 * c.framesWalked, walkedX);
    attackCursor.state = STATE_ACTIVE;

    choose(CMD_CANCEL);
    EXPECT_EQ(c.goesHome ? 96 : walkedX, soldier.x);
    EXPECT_EQ(96, soldier.y);
    EXPECT_EQ(c.goesHome ? TURN_MOVE_POINTS : pointsLeft, soldier.movePoints);
    EXPECT_EQ(c.goesHome ? 96 : 128, cursor.x);
    EXPECT_EQ(96, cursor.y);
    EXPECT_EQ(0, soldier.moveOrdered);
    EXPECT_EQ(STATE_INACTIVE, moveRangeGrid.state);
    EXPECT_EQ(STATE_INACTIVE, attackCursor.state);
    EXPECT_EQ(STATE_ACTIVE, cursor.state);
}

INSTANTIATE_TEST_SUITE_P(Walks, SelectionCancel,
                         ::testing::Values(CancelCase{"WholeSquareGoesHome", 16, true},
                                           CancelCase{"OnAnimTick1Stays", 13, false},
                                           CancelCase{"OneStepStays", 1, false},
                                           CancelCase{"TwoStepsGoHome", 2, true}),
                         [](const auto& info) { return std::string(info.param.meaning); });

// Without a MOVE in this battle there is no home of this battle to go back to:
// the soldier and the cursor stay, the rest of the cancel stands.
TEST_F(Selection, CancelWithoutAMoveThisBattleStays) {
    Sprite& soldier = playerSquad[3];
    soldier.homeX = 0;
    soldier.homeY = 0;
    soldier.moveOrdered = 1;
    moveRangeGrid.state = STATE_ACTIVE;
    attackCursor.state = STATE_ACTIVE;
    cursorOver(soldier);
    choose(CMD_CANCEL);
    EXPECT_EQ(128, soldier.x);
    EXPECT_EQ(128, soldier.y);
    EXPECT_EQ(128, cursor.x);
    EXPECT_EQ(128, cursor.y);
    EXPECT_EQ(0, soldier.moveOrdered);
    EXPECT_EQ(STATE_INACTIVE, moveRangeGrid.state);
    EXPECT_EQ(STATE_INACTIVE, attackCursor.state);
}

// In the first battle soldier 3 walks from (128, 128) to (96, 128) and is
// given MOVE there; the next battle stands it at (128, 128) again with that
// old home, which CANCEL must not send it to.
TEST_F(Selection, CancelIgnoresAHomeFromAnEarlierBattle) {
    Sprite& soldier = playerSquad[3];
    cursorOver(soldier);
    choose(CMD_MOVE);
    moveCursorLeft(&cursor);
    walkFrames(16);
    ASSERT_EQ(96, soldier.x);
    choose(CMD_MOVE);
    ASSERT_EQ(96, soldier.homeX);

    freshBattle();
    EXPECT_FALSE(soldierHasHome[3]);
    cursorOver(soldier);
    attackCursor.state = STATE_ACTIVE;
    choose(CMD_CANCEL);
    EXPECT_EQ(128, soldier.x);
    EXPECT_EQ(128, cursor.x);
    EXPECT_EQ(128, cursor.y);
    EXPECT_EQ(STATE_INACTIVE, attackCursor.state);

    choose(CMD_MOVE);
    moveCursorLeft(&cursor);
    walkFrames(16);
    choose(CMD_CANCEL);
    EXPECT_EQ(128, soldier.x) << "a MOVE of this battle gives a home again";
    EXPECT_EQ(128, cursor.x);
    EXPECT_EQ(TURN_MOVE_POINTS, soldier.movePoints);
}

} // namespace
