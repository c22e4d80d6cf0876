#include "harness.h"
#include "platform/buttons.h"
#include "platform/script_player.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace {

class CursorStepping : public ::testing::Test {
  protected:
    void SetUp() override {
        freshBattle();
        setClock(0, 40);
    }
    void TearDown() override {
        playScript(nullptr);
        clearInput();
    }
};

void press(int button, Sprite* sprite) {
    switch (button) {
    case BUTTON_RIGHT:
        moveCursorRight(sprite);
        break;
    case BUTTON_LEFT:
        moveCursorLeft(sprite);
        break;
    case BUTTON_UP:
        moveCursorUp(sprite);
        break;
    case BUTTON_DOWN:
        moveCursorDown(sprite);
        break;
    default:
        break;
    }
}

// Presses written as the letters L, R, U and D.
void pressAll(const char* presses, Sprite* sprite) {
    for (const char* p = presses; *p; ++p) {
        switch (*p) {
        case 'L':
            press(BUTTON_LEFT, sprite);
            break;
        case 'R':
            press(BUTTON_RIGHT, sprite);
            break;
        case 'U':
            press(BUTTON_UP, sprite);
            break;
        default:
            press(BUTTON_DOWN, sprite);
            break;
        }
    }
}

struct Limits {
    int minX, maxX, minY, maxY;
};

// The selection cursor's own limits, as every battle sets them, and the attack
// cursor's around a soldier at (128, 128).
const Limits FIELD{0, 448, 0, 224};
const Limits AROUND_128{96, 160, 96, 160};

struct StepCase {
    const char* meaning;
    int x, y;
    Limits limits;
    const char* presses;
    int endX, endY;
    int ticks; // presses that reached boundedStep
};

void PrintTo(const StepCase& c, std::ostream* os) {
    *os << c.meaning;
}

class CursorSteps : public CursorStepping, public ::testing::WithParamInterface<StepCase> {};

// The camera stays at the origin, so right stops at x 160 and down at y 128
// whatever the cursor's own limits allow; left and up stop only at the limits.
TEST_P(CursorSteps, CameraEdgeThenLimits) {
    const StepCase& c = GetParam();
    cursor.x = c.x;
    cursor.y = c.y;
    cursor.minX = c.limits.minX;
    cursor.maxX = c.limits.maxX;
    cursor.minY = c.limits.minY;
    cursor.maxY = c.limits.maxY;
    cursor.animTick = 0;
    pressAll(c.presses, &cursor);
    EXPECT_EQ(c.endX, cursor.x);
    EXPECT_EQ(c.endY, cursor.y);
    EXPECT_EQ(c.ticks % 4, cursor.animTick) << "a press refused by the camera does not tick";
    EXPECT_EQ(0, cursor.frame);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, CursorSteps,
    ::testing::Values(
        StepCase{"FromStartRightAndDownAreRefused", 160, 160, FIELD, "RD", 160, 160, 0},
        StepCase{"FromStartLeft", 160, 160, FIELD, "L", 128, 160, 1},
        StepCase{"FromStartUp", 160, 160, FIELD, "U", 160, 128, 1},
        StepCase{"BackRightAfterLeftAsFarAs160", 160, 160, FIELD, "LLRRR", 160, 160, 4},
        StepCase{"RightReaches160ThenStops", 128, 128, FIELD, "RR", 160, 128, 1},
        StepCase{"DownRefusedAt128", 128, 128, FIELD, "D", 128, 128, 0},
        StepCase{"DownFrom96ReachesOnly128", 96, 96, FIELD, "DD", 96, 128, 1},
        StepCase{"LeftAtZeroStaysButTicks", 0, 96, FIELD, "L", 0, 96, 1},
        StepCase{"UpAtZeroStaysButTicks", 96, 0, FIELD, "U", 96, 0, 1},
        StepCase{"LowerLimitIsTaken", 32, 32, FIELD, "LU", 0, 0, 2},
        StepCase{"UpperLimitIsTaken", 128, 96, Limits{0, 160, 0, 128}, "RD", 160, 128, 2},
        StepCase{"PastTheLimitStaysButTicks", 128, 96, Limits{0, 159, 0, 127}, "RD", 128, 96, 2},
        StepCase{"AroundASoldierRightThenCameraEdge", 128, 128, AROUND_128, "RR", 160, 128, 1},
        StepCase{"AroundASoldierDownRefusedAtOnce", 128, 128, AROUND_128, "D", 128, 128, 0},
        StepCase{"AroundASoldierUpThenBackDown", 128, 128, AROUND_128, "UD", 128, 128, 2},
        StepCase{"AroundASoldierUpStopsAtItsLimit", 128, 128, AROUND_128, "UU", 128, 96, 2},
        StepCase{"AroundASoldierLeftStopsAtItsLimit", 128, 128, AROUND_128, "LL", 96, 128, 2}),
    [](const auto& info) { return std::string(info.param.meaning); });

struct CameraCase {
    const char* meaning;
    int cameraX, cameraY;
    int x, y;
    int button;
    int endX, endY;
};

void PrintTo(const CameraCase& c, std::ostream* os) {
    *os << c.meaning;
}

class CursorCameraEdge : public CursorStepping, public ::testing::WithParamInterface<CameraCase> {};

// The battle never moves the camera, but the tests are made against it: at its
// far limits right and down are free, away from the origin left and up are
// kept to the half of the view beyond the camera.
TEST_P(CursorCameraEdge, TestsFollowTheCamera) {
    const CameraCase& c = GetParam();
    setupBattlefield(MAP_ROWS, MAP_COLS, c.cameraX, c.cameraY);
    cursor.x = c.x;
    cursor.y = c.y;
    press(c.button, &cursor);
    EXPECT_EQ(c.endX, cursor.x);
    EXPECT_EQ(c.endY, cursor.y);
}

INSTANTIATE_TEST_SUITE_P(
    Cameras, CursorCameraEdge,
    ::testing::Values(
        CameraCase{"RightFreeWithTheCameraAtItsLimit", 160, 0, 160, 96, BUTTON_RIGHT, 192, 96},
        CameraCase{"DownFreeWithTheCameraAtItsLimit", 0, 16, 96, 128, BUTTON_DOWN, 96, 160},
        CameraCase{"LeftRefusedLeftOfTheViewsMiddle", 64, 0, 192, 96, BUTTON_LEFT, 192, 96},
        CameraCase{"LeftFreeAtTheViewsMiddle", 64, 0, 224, 96, BUTTON_LEFT, 192, 96},
        CameraCase{"UpRefusedAtTheViewsMiddle", 0, 16, 96, 136, BUTTON_UP, 96, 136},
        CameraCase{"UpFreeBelowTheViewsMiddle", 0, 16, 96, 168, BUTTON_UP, 96, 136}),
    [](const auto& info) { return std::string(info.param.meaning); });

// Frames 1 to 5 last three calls each; after the wrap frame 0 lasts four.
TEST_F(CursorStepping, SixFrameAnimationAdvancesEveryThirdCall) {
    Sprite sprite{};
    sprite.lastFrame = 5;
    sprite.maxX = 1000;
    sprite.maxY = 1000;
    std::vector<int> frames;
    for (int call = 1; call <= 23; ++call) {
        boundedStep(0, 0, &sprite);
        frames.push_back(sprite.frame);
        if (call == 19) {
            EXPECT_EQ(0, sprite.animTick) << "the wrapping call does not tick";
        }
    }
    const std::vector<int> expected = {0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3,
                                       4, 4, 4, 5, 5, 5, 0, 0, 0, 0, 1};
    EXPECT_EQ(expected, frames);
}

TEST_F(CursorStepping, OneFramePictureStaysOnFrameZero) {
    Sprite sprite{};
    sprite.maxX = 1000;
    sprite.maxY = 1000;
    std::vector<int> ticks;
    for (int call = 0; call < 4; ++call) {
        boundedStep(0, 0, &sprite);
        EXPECT_EQ(0, sprite.frame);
        ticks.push_back(sprite.animTick);
    }
    EXPECT_EQ((std::vector<int>{1, 2, 3, 0}), ticks);
}

struct RouteCase {
    const char* meaning;
    int attackState, cursorState;
    bool attackMoves, cursorMoves;
};

void PrintTo(const RouteCase& c, std::ostream* os) {
    *os << c.meaning;
}

class CursorDpadRoute : public CursorStepping, public ::testing::WithParamInterface<RouteCase> {};

// The battle loop hands the D-pad to the attack cursor first.
TEST_P(CursorDpadRoute, ThroughTheBattleLoop) {
    const RouteCase& c = GetParam();
    cursor.x = 128;
    cursor.y = 128;
    cursor.state = c.cursorState;
    attackCursor.x = 128;
    attackCursor.y = 128;
    attackCursor.minX = 96;
    attackCursor.maxX = 160;
    attackCursor.minY = 96;
    attackCursor.maxY = 160;
    attackCursor.state = c.attackState;
    BattleLoop loop{};
    enterBattle(&loop);
    pushPresses({BUTTON_UP, BUTTON_LEFT});
    runBattlePass(&loop);
    EXPECT_EQ(c.attackMoves ? 96 : 128, attackCursor.x);
    EXPECT_EQ(c.attackMoves ? 96 : 128, attackCursor.y);
    EXPECT_EQ(c.cursorMoves ? 96 : 128, cursor.x);
    EXPECT_EQ(c.cursorMoves ? 96 : 128, cursor.y);
}

INSTANTIATE_TEST_SUITE_P(
    States, CursorDpadRoute,
    ::testing::Values(
        RouteCase{"AimingMovesOnlyTheAttackCursor", STATE_ACTIVE, STATE_TARGETING, true, false},
        RouteCase{"AroundASoldierFirstEvenWithBothActive", STATE_ACTIVE, STATE_ACTIVE, true, false},
        RouteCase{"SelectionCursorWhenNoAim", STATE_INACTIVE, STATE_ACTIVE, false, true},
        RouteCase{"NothingWhileTheCursorIsParked", STATE_INACTIVE, STATE_TARGETING, false, false},
        RouteCase{"NothingWithBothHidden", STATE_INACTIVE, STATE_INACTIVE, false, false}),
    [](const auto& info) { return std::string(info.param.meaning); });

} // namespace
