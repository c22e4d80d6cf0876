#include "harness.h"
#include "platform/buttons.h"
#include "platform/script_player.h"
#include "rules/rules.h"
#include "shell/shell.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

class ScriptedBattle : public ::testing::Test {
  protected:
    void SetUp() override {
        clearInput();
        setClock(0, 40);
    }
    void TearDown() override {
        playScript(nullptr);
        clearInput();
    }
};

struct Step {
    std::vector<int> presses;
    std::vector<int> hold = {};
    std::vector<int> release = {};
    std::function<void()> look = {};
};

void add(Script& script, Step step) {
    script.steps.push_back({step.presses, step.hold, step.release, step.look});
}

// Where enemySquad1[0] stands for the whole battle.
const SDL_Rect ENEMY_STOOD{192, 128, 29, 30};

bool enemyDrawn() {
    const Sprite& enemy = enemySquad1[0];
    return pictureMismatches(enemy.surface, enemy.x - enemy.frame * enemy.w,
                             enemy.y - enemy.sheetRow, ENEMY_STOOD) == 0;
}

// The camera never scrolls, so neither cursor reaches right of x 160 by
// itself, and an enemy at x 192 is out of reach of an aim from a square of the
// grid. Soldier 3 therefore walks from (128, 128) toward the cursor at
// (160, 128) and is stopped after eight steps at (144, 128), from where one
// RIGHT puts the attack cursor at (176, 128), over enemySquad1[0]. Four blows
// of 3 take that enemy from 10 to -2, one a turn.
TEST_F(ScriptedBattle, FromTheSplashToAKilledEnemy) {
    const Sprite& soldier = playerSquad[3];
    const Sprite& enemy = enemySquad1[0];
    Script script;
    add(script, {{BUTTON_START}});
    add(script, {{BUTTON_START}});

    add(script, {{BUTTON_LEFT, BUTTON_UP}});
    add(script, {{BUTTON_X, BUTTON_A}, {BUTTON_X}});
    add(script, {{BUTTON_RIGHT}, {}, {BUTTON_X}, [&] {
                     EXPECT_EQ(1, soldier.moveOrdered) << "MOVE given";
                     EXPECT_EQ(STATE_ACTIVE, moveRangeGrid.state);
                 }});
    add(script, {{}, {}, {}, [&] {
                     EXPECT_EQ(160, cursor.x);
                     EXPECT_EQ(128, cursor.y);
                     EXPECT_TRUE(enemyDrawn()) << "the enemy stands in the first frames";
                 }});
    script.idle(6);
    add(script, {{}, {BUTTON_X}});
    add(script, {{}, {}, {}, [&] {
                     EXPECT_EQ(144, soldier.x) << "X stopped the walk after eight steps";
                     EXPECT_EQ(128, soldier.y);
                     EXPECT_EQ(0, soldier.moveOrdered);
                     EXPECT_EQ(STATE_INACTIVE, moveRangeGrid.state);
                 }});

    for (int blow = 1; blow <= 4; ++blow) {
        add(script, {{BUTTON_X, BUTTON_DOWN, BUTTON_A}, {BUTTON_X}});
        add(script, {{BUTTON_RIGHT}, {}, {BUTTON_X}, [&] {
                         EXPECT_EQ(STATE_TARGETING, cursor.state) << "ATTACK given";
                         EXPECT_EQ(144, attackCursor.x);
                     }});
        add(script, {{}, {BUTTON_X}, {}, [&] { EXPECT_EQ(176, attackCursor.x); }});
        add(script, {{}, {BUTTON_Y}, {BUTTON_X}, [&, blow] {
                         EXPECT_EQ(10 - 3 * blow, enemy.life) << "blow " << blow;
                         EXPECT_EQ(10 - blow, soldier.life);
                         EXPECT_EQ(STATE_ACTIVE, attackScreen.state);
                     }});
        add(script, {{BUTTON_START, BUTTON_START}, {}, {BUTTON_Y}, [&] {
                         EXPECT_EQ(STATE_INACTIVE, attackScreen.state);
                     }});
        script.idle();
        if (blow == 3) {
            add(script, {{}, {}, {}, [&] {
                             EXPECT_EQ(1, soldier.attacksLeft) << "END TURN";
                             EXPECT_TRUE(enemyDrawn()) << "three blows leave it standing";
                         }});
        }
    }

    add(script, {{BUTTON_START, BUTTON_DOWN, BUTTON_DOWN, BUTTON_DOWN, BUTTON_START}, {}, {}, [&] {
                     EXPECT_EQ(STATE_INACTIVE, enemy.state);
                     EXPECT_EQ(0, tileMismatches(ENEMY_STOOD)) << "the tiles show where it stood";
                 }});
    add(script, {{BUTTON_DOWN, BUTTON_DOWN, BUTTON_START}});
    script.finished = [] {
        ADD_FAILURE() << "the game wanted input after the last step";
        pushPresses({BUTTON_START, BUTTON_DOWN, BUTTON_DOWN, BUTTON_DOWN, BUTTON_START, BUTTON_DOWN,
                     BUTTON_DOWN, BUTTON_START});
    };
    playScript(&script);

    showTitleSplash();
    runMainCycle();
    EXPECT_EQ(script.steps.size(), script.next);
    EXPECT_EQ(-2, enemy.life);
    EXPECT_EQ(6, soldier.life);
    EXPECT_EQ(STATE_ACTIVE, enemySquad1[1].state) << "the other enemies were never struck";
    EXPECT_EQ(10, enemySquad1[1].life);
    EXPECT_EQ(10, enemySquad2[0].life);
}

} // namespace
