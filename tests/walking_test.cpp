#include "harness.h"
#include "platform/buttons.h"
#include "platform/script_player.h"
#include "rules/rules.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace {

// A soldier of the battle walking toward the selection cursor, one call of
// the approach per frame, as the rules make it.
class Walk : public ::testing::Test {
  protected:
    Sprite& soldier = playerSquad[2];

    void SetUp() override { freshBattle(); }
    void TearDown() override {
        playScript(nullptr);
        clearInput();
    }

    void place(int x, int y, int points, int targetX, int targetY) {
        soldier.x = x;
        soldier.y = y;
        soldier.movePoints = points;
        cursor.x = targetX;
        cursor.y = targetY;
    }
    void frames(int count) {
        for (int i = 0; i < count; ++i) {
            approachTarget(&soldier, &cursor);
        }
    }
};

struct CourseCase {
    const char* meaning;
    int x, y, points, sheetRow;
    int targetX, targetY;
    int frames;
    int endX, endY, endPoints, endSheetRow;
    int endFrame, endAnimTick;
};

void PrintTo(const CourseCase& c, std::ostream* os) {
    *os << c.meaning;
}

class WalkCourse : public Walk, public ::testing::WithParamInterface<CourseCase> {};

// x first and then y, 2 pixels a step and 2 points a step; the facing follows
// the x step only.
TEST_P(WalkCourse, TowardTheCursor) {
    const CourseCase& c = GetParam();
    place(c.x, c.y, c.points, c.targetX, c.targetY);
    soldier.sheetRow = c.sheetRow;
    frames(c.frames);
    EXPECT_EQ(c.endX, soldier.x);
    EXPECT_EQ(c.endY, soldier.y);
    EXPECT_EQ(c.endPoints, soldier.movePoints);
    EXPECT_EQ(c.endSheetRow, soldier.sheetRow);
    EXPECT_EQ(c.endFrame, soldier.frame);
    EXPECT_EQ(c.endAnimTick, soldier.animTick);
}

// Frame and animTick follow from the number of steps tried: the frame
// advances at calls 5, 9, 13, 17 and 21 and wraps at 25.
INSTANTIATE_TEST_SUITE_P(
    Courses, WalkCourse,
    ::testing::Values(
        CourseCase{"RightTwoSquaresIn32Frames", 96, 96, 64, 32, 160, 96, 32, 160, 96, 0, 0, 1, 3},
        CourseCase{"StandsStillOnTheCursorAndItsFrame", 96, 96, 64, 0, 160, 96, 40, 160, 96, 0, 0,
                   1, 3},
        CourseCase{"DiagonalSpendsItAllIn16Frames", 64, 64, 64, 32, 128, 128, 16, 96, 96, 0, 0, 1,
                   3},
        CourseCase{"SpentDiagonalAnimatesTwoCallsAFrame", 64, 64, 64, 0, 128, 128, 25, 96, 96, 0, 0,
                   0, 0},
        CourseCase{"LeftTurnsAtOnceEvenWithoutPoints", 128, 96, 0, 0, 96, 96, 1, 128, 96, 0, 32, 0,
                   1},
        CourseCase{"UpKeepsFacingLeft", 96, 96, 64, 32, 96, 32, 32, 96, 32, 0, 32, 1, 3},
        CourseCase{"DownKeepsFacingRight", 96, 32, 64, 0, 96, 96, 32, 96, 96, 0, 0, 1, 3},
        CourseCase{"TwoPointsPayOnlyTheXStep", 64, 64, 2, 32, 128, 128, 1, 66, 64, 0, 0, 0, 2},
        CourseCase{"LeftAndUpTogether", 128, 128, 64, 0, 96, 96, 1, 126, 126, 60, 32, 0, 2},
        CourseCase{"RightAndUpTogether", 96, 128, 64, 32, 128, 96, 1, 98, 126, 60, 0, 0, 2}),
    [](const auto& info) { return std::string(info.param.meaning); });

TEST_F(Walk, OneStepEveryFrameUntilTheCursor) {
    place(96, 96, 64, 160, 96);
    for (int frame = 1; frame <= 32; ++frame) {
        frames(1);
        ASSERT_EQ(96 + 2 * frame, soldier.x) << "after frame " << frame;
        ASSERT_EQ(64 - 2 * frame, soldier.movePoints);
    }
}

// The cursor is read afresh at every frame, so steering it turns the walk.
TEST_F(Walk, SteeringTheCursorTurnsTheWalk) {
    place(96, 96, 64, 160, 96);
    frames(4);
    cursor.x = 64;
    frames(1);
    EXPECT_EQ(102, soldier.x);
    EXPECT_EQ(32, soldier.sheetRow);
    cursor.x = 102;
    cursor.y = 64;
    frames(2);
    EXPECT_EQ(102, soldier.x);
    EXPECT_EQ(92, soldier.y);
    EXPECT_EQ(32, soldier.sheetRow) << "a walk straight up keeps the facing";
}

struct StepCase {
    const char* meaning;
    int frame, animTick, points;
    int endFrame, endAnimTick, endPoints;
    bool moves;
};

void PrintTo(const StepCase& c, std::ostream* os) {
    *os << c.meaning;
}

class WalkStep : public Walk, public ::testing::WithParamInterface<StepCase> {};

// The step is paid before it is taken and taken whole on both axes, or not at
// all; the animation runs either way.
TEST_P(WalkStep, PaysThenSteps) {
    const StepCase& c = GetParam();
    place(100, 50, c.points, 0, 0);
    soldier.frame = c.frame;
    soldier.animTick = c.animTick;
    walkStep(102, 52, &soldier);
    EXPECT_EQ(c.endFrame, soldier.frame);
    EXPECT_EQ(c.endAnimTick, soldier.animTick);
    EXPECT_EQ(c.endPoints, soldier.movePoints);
    EXPECT_EQ(c.moves ? 102 : 100, soldier.x);
    EXPECT_EQ(c.moves ? 52 : 50, soldier.y);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, WalkStep,
    ::testing::Values(StepCase{"LastFrameWrapsWithoutTicking", 5, 4, 64, 0, 0, 62, true},
                      StepCase{"MiddleFrameAdvances", 2, 4, 64, 3, 1, 62, true},
                      StepCase{"TickBelowFourOnlyTicks", 2, 3, 64, 2, 4, 62, true},
                      StepCase{"LastTwoPointsPayAStep", 0, 0, 2, 0, 1, 0, true},
                      StepCase{"NoPointsNoStepButTheTick", 0, 0, 0, 0, 1, 0, false},
                      StepCase{"OverdrawnNoStep", 3, 4, -2, 4, 1, -2, false}),
    [](const auto& info) { return std::string(info.param.meaning); });

// Frames 1 to 5 last four calls each; after the wrap frame 0 lasts five.
TEST_F(Walk, SixFramesInTwentyFiveCalls) {
    place(0, 0, 0, 0, 0);
    std::vector<int> frameAfterCall;
    for (int call = 1; call <= 30; ++call) {
        walkStep(0, 0, &soldier);
        frameAfterCall.push_back(soldier.frame);
        if (call == 25) {
            EXPECT_EQ(0, soldier.animTick) << "the wrapping call does not tick";
        }
    }
    const std::vector<int> expected = {0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3,
                                       3, 4, 4, 4, 4, 5, 5, 5, 5, 0, 0, 0, 0, 0, 1};
    EXPECT_EQ(expected, frameAfterCall);
}

// The rules walk every ordered soldier before they look at the held buttons.
TEST_F(Walk, TheRulesWalkOnlyOrderedSoldiers) {
    place(96, 96, 64, 160, 96);
    soldier.moveOrdered = 1;
    playerSquad[3].moveOrdered = 0;
    applyBattleRules();
    applyBattleRules();
    EXPECT_EQ(100, soldier.x);
    EXPECT_EQ(60, soldier.movePoints);
    EXPECT_EQ(128, playerSquad[3].x);
    EXPECT_EQ(TURN_MOVE_POINTS, playerSquad[3].movePoints);
}

} // namespace
