#include "harness.h"
#include "platform/buttons.h"
#include "platform/script_player.h"
#include "shell/shell.h"

#include <gtest/gtest.h>

namespace {

class BattleLoopTest : public ::testing::Test {
  protected:
    BattleLoop loop{};
    void SetUp() override {
        freshBattle();
        setClock(0, 1);
        enterBattle(&loop);
    }
    void TearDown() override {
        playScript(nullptr);
        clearInput();
    }
};

TEST_F(BattleLoopTest, EachPassComposesOneFrameAndHandlesEveryQueuedPress) {
    unsigned long frames = presentedFrames();
    unsigned long passes = battlePasses();
    EXPECT_FALSE(runBattlePass(&loop));
    EXPECT_EQ(1u, presentedFrames() - frames);
    EXPECT_EQ(1u, battlePasses() - passes);

    pushPresses({BUTTON_LEFT, BUTTON_LEFT, BUTTON_UP});
    EXPECT_FALSE(runBattlePass(&loop));
    EXPECT_EQ(96, cursor.x);
    EXPECT_EQ(128, cursor.y);
    EXPECT_EQ(0, queuedEvents());
}

TEST_F(BattleLoopTest, ReleasesOtherButtonsAndOtherEventsHaveNoEffect) {
    Sprite before = cursor;
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    pushRelease(BUTTON_LEFT);
    pushPresses({BUTTON_A, BUTTON_B, BUTTON_Y, BUTTON_R, BUTTON_L, BUTTON_SELECT, BUTTON_UP_LEFT,
                 BUTTON_DOWN_LEFT, BUTTON_DOWN_RIGHT, BUTTON_UP_RIGHT});
    EXPECT_FALSE(runBattlePass(&loop));
    EXPECT_EQ(before.x, cursor.x);
    EXPECT_EQ(before.y, cursor.y);
    EXPECT_EQ(before.animTick, cursor.animTick);
}

TEST_F(BattleLoopTest, TheDPadMovesTheAttackCursorFirstAndNothingWhenNeitherIsActive) {
    attackCursor.state = STATE_ACTIVE;
    attackCursor.x = attackCursor.y = 128;
    attackCursor.minX = attackCursor.minY = 96;
    attackCursor.maxX = attackCursor.maxY = 160;
    cursor.state = STATE_TARGETING;
    pushPresses({BUTTON_UP});
    runBattlePass(&loop);
    EXPECT_EQ(96, attackCursor.y);
    EXPECT_EQ(160, cursor.y);

    attackCursor.state = STATE_INACTIVE;
    cursor.state = STATE_INACTIVE;
    pushPresses({BUTTON_LEFT, BUTTON_UP});
    runBattlePass(&loop);
    EXPECT_EQ(160, cursor.x);
    EXPECT_EQ(96, attackCursor.y);
}

TEST_F(BattleLoopTest, EndTurnGivesBackPointsAndAttacks) {
    playerSquad[2].movePoints = 0;
    playerSquad[2].attacksLeft = 0;
    enemySquad1[0].attacksLeft = 0;
    pushPresses({BUTTON_START, BUTTON_START});
    EXPECT_FALSE(runBattlePass(&loop));
    EXPECT_EQ(64, playerSquad[2].movePoints);
    EXPECT_EQ(1, playerSquad[2].attacksLeft);
    EXPECT_EQ(1, enemySquad1[0].attacksLeft);
    EXPECT_EQ(STATE_ACTIVE, cursor.state);
}

TEST_F(BattleLoopTest, LoadAndSaveChangeNothing) {
    for (int down : {1, 2}) {
        cursor.x = 96;
        playerSquad[3].movePoints = 10;
        pushPress(BUTTON_START);
        for (int i = 0; i < down; ++i) {
            pushPress(BUTTON_DOWN);
        }
        pushPress(BUTTON_START);
        EXPECT_FALSE(runBattlePass(&loop));
        EXPECT_EQ(96, cursor.x);
        EXPECT_EQ(10, playerSquad[3].movePoints);
    }
}

// The battle ends once the queue is found empty after EXIT GAME, without
// composing another frame.
TEST_F(BattleLoopTest, ExitGameEndsTheBattle) {
    pushPresses({BUTTON_START, BUTTON_DOWN, BUTTON_DOWN, BUTTON_DOWN, BUTTON_START});
    unsigned long frames = presentedFrames();
    unsigned long passes = battlePasses();
    runBattle();
    EXPECT_EQ(1u, battlePasses() - passes);
    EXPECT_EQ(6u, presentedFrames() - frames) << "a frame, the menu's opening, its four presses";
}

TEST_F(BattleLoopTest, AnUpQueuedBehindExitGameMakesItSave) {
    pushPresses({BUTTON_START, BUTTON_DOWN, BUTTON_DOWN, BUTTON_DOWN, BUTTON_START, BUTTON_UP});
    EXPECT_FALSE(runBattlePass(&loop));
}

// The RIGHT is the battle's; the pause menu takes the LEFT queued behind its START.
TEST_F(BattleLoopTest, PressesAfterStartBelongToThePauseMenu) {
    cursor.x = 128;
    pushPresses({BUTTON_RIGHT, BUTTON_START, BUTTON_LEFT});
    Script script;
    script.idle().look([] { EXPECT_EQ(160, cursor.x); }).press({BUTTON_START});
    playScript(&script);
    EXPECT_FALSE(runBattlePass(&loop));
    EXPECT_EQ(160, cursor.x);
    EXPECT_EQ(script.steps.size(), script.next);
}

} // namespace
