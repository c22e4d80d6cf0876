#include "harness.h"
#include "platform/buttons.h"
#include "platform/script_player.h"
#include "shell/shell.h"

#include <gtest/gtest.h>
#include <ostream>
#include <vector>

namespace {

const int POINTER_HEIGHTS[] = {155, 116, 83}; // by choice: EXIT, LOAD, START

// Whether the pointer (not plain slate blue) stands at (100, y).
bool pointerAt(int y) {
    Uint32 slate = displayColour(42, 63, 85);
    for (int dy = 0; dy < 13; ++dy) {
        for (int dx = 0; dx < 16; ++dx) {
            if (screenPixel(100 + dx, y + dy) != slate) {
                return true;
            }
        }
    }
    return false;
}

int pointerLine() {
    int found = -1;
    for (int choice = 0; choice < 3; ++choice) {
        if (pointerAt(POINTER_HEIGHTS[choice])) {
            EXPECT_EQ(-1, found) << "two pointers";
            found = choice;
        }
    }
    return found;
}

class Screens : public ::testing::Test {
  protected:
    void SetUp() override { clearInput(); }
    void TearDown() override {
        playScript(nullptr);
        clearInput();
    }
};

TEST_F(Screens, SplashWaitsForStartAndDrawsNothingForOtherButtons) {
    fillScreen(255, 0, 255);
    pushPresses({BUTTON_A, BUTTON_B, BUTTON_UP, BUTTON_X});
    pushRelease(BUTTON_A);
    Script script;
    script.look([] { EXPECT_EQ(0, queuedEvents()) << "the splash took every event"; })
        .press({BUTTON_START});
    playScript(&script);
    unsigned long before = presentedFrames();
    showTitleSplash();
    EXPECT_EQ(1u, presentedFrames() - before) << "one present, when the splash opens";
    EXPECT_EQ(script.steps.size(), script.next);
    EXPECT_NE(displayColour(255, 0, 255), screenPixel(160, 120));
}

TEST_F(Screens, SplashTakesWhatIsQueuedBehindStart) {
    pushPresses({BUTTON_START, BUTTON_DOWN, BUTTON_START});
    showTitleSplash();
    EXPECT_EQ(0, queuedEvents());
}

struct MenuCase {
    const char* meaning;
    std::vector<int> presses;
    int choice;
};

void PrintTo(const MenuCase& c, std::ostream* os) {
    *os << c.meaning;
}

class MainMenu : public Screens, public ::testing::WithParamInterface<MenuCase> {};

// Every press presents the frame once, whether or not the pointer moved.
TEST_P(MainMenu, ReturnsTheLineCurrentWhenTheQueueRunsEmpty) {
    const MenuCase& c = GetParam();
    for (int b : c.presses) {
        pushPress(b);
    }
    pushRelease(BUTTON_START);
    unsigned long before = presentedFrames();
    EXPECT_EQ(c.choice, runMainMenu());
    EXPECT_EQ(1 + c.presses.size(), presentedFrames() - before);
    EXPECT_EQ(c.choice, pointerLine());
}

INSTANTIATE_TEST_SUITE_P(
    Presses, MainMenu,
    ::testing::Values(
        MenuCase{"StartAlone", {BUTTON_START}, MENU_START},
        MenuCase{"DownStartIsLoad", {BUTTON_DOWN, BUTTON_START}, MENU_LOAD},
        MenuCase{"DownDownStartIsExit", {BUTTON_DOWN, BUTTON_DOWN, BUTTON_START}, MENU_EXIT},
        MenuCase{"DownQueuedBehindStartStillCounts", {BUTTON_START, BUTTON_DOWN}, MENU_LOAD},
        MenuCase{"UpOnStartStays", {BUTTON_UP, BUTTON_START}, MENU_START},
        MenuCase{
            "NoWrapPastExit", {BUTTON_DOWN, BUTTON_DOWN, BUTTON_DOWN, BUTTON_START}, MENU_EXIT},
        MenuCase{
            "UpFromExitIsLoad", {BUTTON_DOWN, BUTTON_DOWN, BUTTON_UP, BUTTON_START}, MENU_LOAD},
        MenuCase{
            "OtherButtonsOnlyPresent",
            {BUTTON_A, BUTTON_B, BUTTON_X, BUTTON_Y, BUTTON_L, BUTTON_DOWN_RIGHT, BUTTON_START},
            MENU_START},
        MenuCase{
            "SecondStartChangesNothing", {BUTTON_START, BUTTON_DOWN, BUTTON_START}, MENU_LOAD}),
    [](const auto& info) { return std::string(info.param.meaning); });

TEST_F(Screens, MenuPointerMovesAsEachPressIsTaken) {
    Script script;
    script.look([] { EXPECT_EQ(MENU_START, pointerLine()); })
        .press({BUTTON_DOWN})
        .look([] { EXPECT_EQ(MENU_LOAD, pointerLine()); })
        .press({BUTTON_DOWN})
        .look([] { EXPECT_EQ(MENU_EXIT, pointerLine()); })
        .press({BUTTON_UP, BUTTON_START});
    playScript(&script);
    EXPECT_EQ(MENU_LOAD, runMainMenu());
    EXPECT_EQ(script.steps.size(), script.next);
}

// LOAD reads nothing and brings the menu back with the pointer on START.
TEST_F(Screens, LoadShowsTheMenuAgainFromTheStart) {
    Script script;
    script.press({BUTTON_DOWN, BUTTON_START})
        .look([] { EXPECT_EQ(MENU_START, pointerLine()); })
        .press({BUTTON_DOWN, BUTTON_DOWN, BUTTON_START});
    playScript(&script);
    runMainCycle();
    EXPECT_EQ(script.steps.size(), script.next);
}

} // namespace
