#include "harness.h"
#include "platform/buttons.h"
#include "platform/script_player.h"
#include "shell/shell.h"

#include <gtest/gtest.h>
#include <ostream>
#include <vector>

namespace {

// The highlight's frame is black and 4 pixels thick at its top; the menu's own
// pixels there are red, so black in that band marks the line. (The frames of
// neighbouring lines overlap by a row or two, so look at its third row.)
int highlightedLine(int menuX, int menuY) {
    int found = -1;
    for (int line = 0; line < 4; ++line) {
        if (screenPixel(menuX + 50, menuY + HIGHLIGHT_OFFSETS[line] + 2) ==
            displayColour(0, 0, 0)) {
            EXPECT_EQ(-1, found) << "two lines highlighted";
            found = line;
        }
    }
    return found;
}

struct MenuCase {
    const char* meaning;
    std::vector<int> presses;
    int line;
};

void PrintTo(const MenuCase& c, std::ostream* os) {
    *os << c.meaning;
}

class PauseMenu : public ::testing::TestWithParam<MenuCase> {
  protected:
    void SetUp() override { freshBattle(); }
    void TearDown() override {
        playScript(nullptr);
        clearInput();
    }
};

// The opening START is the battle loop's; these are the presses the menu takes.
TEST_P(PauseMenu, ReturnsTheLineWhenTheQueueRunsEmptyAfterStart) {
    const MenuCase& c = GetParam();
    for (int b : c.presses) {
        pushPress(b);
    }
    pushRelease(BUTTON_START);
    unsigned long before = presentedFrames();
    EXPECT_EQ(c.line, runPauseMenu());
    EXPECT_EQ(1 + c.presses.size(), presentedFrames() - before) << "one present per press";
    EXPECT_EQ(c.line, highlightedLine(200, 100));
    EXPECT_EQ(200, pauseMenu.x);
    EXPECT_EQ(100 + HIGHLIGHT_OFFSETS[c.line], menuHighlight.y);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, PauseMenu,
    ::testing::Values(MenuCase{"StartIsEndTurn", {BUTTON_START}, PAUSE_END_TURN},
                      MenuCase{"OtherButtonsOnlyPresent",
                               {BUTTON_A, BUTTON_X, BUTTON_LEFT, BUTTON_START},
                               PAUSE_END_TURN},
                      MenuCase{"UpOnTheFirstLineStays", {BUTTON_UP, BUTTON_START}, PAUSE_END_TURN},
                      MenuCase{"NoWrapPastTheLastLine",
                               {BUTTON_DOWN, BUTTON_DOWN, BUTTON_DOWN, BUTTON_DOWN, BUTTON_START},
                               PAUSE_EXIT_GAME},
                      MenuCase{"UpQueuedBehindStartCounts",
                               {BUTTON_DOWN, BUTTON_START, BUTTON_UP},
                               PAUSE_END_TURN},
                      MenuCase{"DownQueuedBehindStartCounts",
                               {BUTTON_DOWN, BUTTON_START, BUTTON_DOWN},
                               PAUSE_SAVE},
                      MenuCase{"LoadIsTheSecondLine", {BUTTON_DOWN, BUTTON_START}, PAUSE_LOAD}),
    [](const auto& info) { return std::string(info.param.meaning); });

TEST_F(PauseMenu, HidesTheCursorWhileOpenAndActivatesItAfter) {
    cursor.state = STATE_TARGETING;
    attackCursor.state = STATE_ACTIVE;
    Script script;
    script.look([] { EXPECT_EQ(STATE_INACTIVE, cursor.state); }).press({BUTTON_START});
    playScript(&script);
    runPauseMenu();
    EXPECT_EQ(STATE_ACTIVE, cursor.state);
    EXPECT_EQ(STATE_ACTIVE, attackCursor.state) << "the aim's attack cursor stays";
}

TEST_F(PauseMenu, EveryOpeningStartsOnTheFirstLine) {
    pushPresses({BUTTON_DOWN, BUTTON_DOWN, BUTTON_START});
    EXPECT_EQ(PAUSE_SAVE, runPauseMenu());
    Script script;
    script.look([] { EXPECT_EQ(0, highlightedLine(200, 100)); }).press({BUTTON_START});
    playScript(&script);
    EXPECT_EQ(PAUSE_END_TURN, runPauseMenu());
}

TEST_F(PauseMenu, OtherEventsArePassedOverWithoutPresenting) {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    pushRelease(BUTTON_DOWN);
    pushPress(BUTTON_START);
    unsigned long before = presentedFrames();
    EXPECT_EQ(PAUSE_END_TURN, runPauseMenu());
    EXPECT_EQ(2u, presentedFrames() - before);
}

// The command menu is the same menu, accepted with A, wherever it is placed.
TEST_F(PauseMenu, CommandMenuAcceptsWithAOnly) {
    pushPresses({BUTTON_START, BUTTON_DOWN, BUTTON_A});
    EXPECT_EQ(CMD_ATTACK, runFourLineMenu(&commandMenu, 96, 64, BUTTON_A));
    EXPECT_EQ(CMD_ATTACK, highlightedLine(96, 64));
    EXPECT_EQ(96, commandMenu.x);
    EXPECT_EQ(64, commandMenu.y);
    pushPresses({BUTTON_DOWN, BUTTON_A, BUTTON_DOWN});
    EXPECT_EQ(CMD_SPECIAL, runFourLineMenu(&commandMenu, 28, 60, BUTTON_A));
}

} // namespace
