#include "harness.h"
#include "platform/buttons.h"
#include "platform/script_player.h"
#include "shell/shell.h"

#include <SDL.h>

#include <gtest/gtest.h>
#include <ostream>
#include <random>
#include <string>
#include <vector>

// SDL's own event queue holds a fixed number of events. Filled to that number
// in one frame, every press in it reaches the loops, in order. Beyond it SDL
// refuses the push: SDL_PushEvent returns -1, the events already queued stay
// as they are, and the refused event is lost. On the console the same limit
// holds for the joystick's own presses, so a player can lose presses only by
// making more than that many within one frame.

namespace {

constexpr int QUEUE_LIMIT = 128;

int countQueued() {
    SDL_Event events[2 * QUEUE_LIMIT];
    SDL_PumpEvents();
    return SDL_PeepEvents(events, 2 * QUEUE_LIMIT, SDL_PEEKEVENT, SDL_ALLEVENTS);
}

bool pushNumbered(int code) {
    SDL_Event event{};
    event.type = SDL_USEREVENT;
    event.user.code = code;
    return SDL_PushEvent(&event) == 0;
}

TEST(EventQueue, HoldsAFixedNumberAndRefusesWhatComesBeyond) {
    clearInput();
    int accepted = 0;
    while (accepted < 4 * QUEUE_LIMIT && pushNumbered(accepted)) {
        ++accepted;
    }
    EXPECT_EQ(QUEUE_LIMIT, accepted);
    EXPECT_EQ(QUEUE_LIMIT, countQueued());
    EXPECT_FALSE(pushNumbered(-1)) << "refused again while still full";

    // The oldest are kept, in order; nothing was overwritten by the refused ones.
    SDL_Event event;
    ASSERT_EQ(1, SDL_PollEvent(&event));
    EXPECT_EQ(0, event.user.code);
    // One taken out makes room for exactly one.
    EXPECT_TRUE(pushNumbered(QUEUE_LIMIT));
    EXPECT_FALSE(pushNumbered(QUEUE_LIMIT + 1));
    for (int expected = 1; expected <= QUEUE_LIMIT; ++expected) {
        ASSERT_EQ(1, SDL_PollEvent(&event));
        ASSERT_EQ(SDL_USEREVENT, event.type);
        EXPECT_EQ(expected, event.user.code);
    }
    EXPECT_EQ(0, SDL_PollEvent(&event));
}

std::vector<int> seededPresses(unsigned seed, int count, std::vector<int> buttons) {
    std::mt19937 rng(seed);
    std::vector<int> presses;
    for (int i = 0; i < count; ++i) {
        presses.push_back(
            buttons[std::uniform_int_distribution<size_t>(0, buttons.size() - 1)(rng)]);
    }
    return presses;
}

// setupBattle leaves the cursors' animation counts as the last battle left
// them; two runs to be compared start from the same.
void battleFromTheStart() {
    freshBattle();
    cursor.animTick = 0;
    attackCursor.animTick = 0;
}

struct Outcome {
    RecordSnapshot records;
    int highlightY;
    unsigned long menuFrames; // frames presented by the menus, not by battle passes
    bool left;
};

// One battle pass with every press of `presses` queued before it, or the same
// presses one to each battle pass and each waiting of a menu. START opens the
// pause menu, which then takes the rest of the queue itself.
Outcome playBattle(const std::vector<int>& presses, bool flood) {
    battleFromTheStart();
    setClock(0, 1000);
    Script script;
    script.finished = [] { ADD_FAILURE() << "a menu waited after the last press"; };
    if (flood) {
        for (int button : presses) {
            EXPECT_TRUE(pushPress(button)) << "the queue refused a press below its limit";
        }
        script.idle(1);
    } else {
        for (int button : presses) {
            script.steps.push_back({{button}, {}, {}, {}});
        }
    }
    playScript(&script);
    unsigned long frames = presentedFrames();
    unsigned long passes = battlePasses();
    BattleLoop loop{};
    enterBattle(&loop);
    bool left = false;
    do {
        left = runBattlePass(&loop);
    } while (!left && script.next < script.steps.size());
    playScript(nullptr);
    Outcome outcome{snapshotRecords(), menuHighlight.y,
                    (presentedFrames() - frames) - (battlePasses() - passes), left};
    EXPECT_EQ(0, countQueued());
    clearInput();
    return outcome;
}

struct Flood {
    const char* name;
    std::vector<int> presses;
};

std::vector<int> battleFlood(unsigned seed, int cursorPresses, int lastButton) {
    std::vector<int> presses =
        seededPresses(seed, cursorPresses, {BUTTON_UP, BUTTON_DOWN, BUTTON_LEFT, BUTTON_RIGHT});
    presses.push_back(BUTTON_START);
    std::vector<int> menu = seededPresses(seed + 1, QUEUE_LIMIT - cursorPresses - 2,
                                          {BUTTON_UP, BUTTON_DOWN, BUTTON_DOWN});
    presses.insert(presses.end(), menu.begin(), menu.end());
    presses.push_back(lastButton);
    return presses;
}

void PrintTo(const Flood& f, std::ostream* os) {
    *os << f.name;
}

class FullQueue : public ::testing::TestWithParam<Flood> {};

TEST_P(FullQueue, EveryPressIsHandledInOrderAsIfGivenOneAtATime) {
    const std::vector<int>& presses = GetParam().presses;
    ASSERT_EQ(static_cast<size_t>(QUEUE_LIMIT), presses.size());
    Outcome one = playBattle(presses, false);
    Outcome flood = playBattle(presses, true);
    EXPECT_EQ("", [&] {
        std::string d;
        for (size_t i = 0; i < one.records.size(); ++i) {
            if (one.records[i] != flood.records[i]) {
                d += one.records[i].first + " " + std::to_string(one.records[i].second) +
                     " one at a time, " + std::to_string(flood.records[i].second) + " flooded\n";
            }
        }
        return d;
    }());
    EXPECT_EQ(one.highlightY, flood.highlightY);
    EXPECT_EQ(one.menuFrames, flood.menuFrames);
    EXPECT_EQ(one.left, flood.left);
}

// Seeds whose pause menus end on END TURN, LOAD or SAVE keep the battle going;
// the last ends on EXIT GAME.
INSTANTIATE_TEST_SUITE_P(
    InOneFrame, FullQueue,
    ::testing::Values(Flood{"MostlyCursor", battleFlood(7, 100, BUTTON_START)},
                      Flood{"MostlyPauseMenu", battleFlood(11, 10, BUTTON_START)},
                      Flood{"EveryPressAfterStartInTheMenu", battleFlood(5, 0, BUTTON_START)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FullQueue, APressBeyondTheLimitIsLostAndTheRestStillCount) {
    std::vector<int> presses = battleFlood(3, 60, BUTTON_START);
    Outcome one = playBattle(presses, false);

    battleFromTheStart();
    setClock(0, 1000);
    for (int button : presses) {
        ASSERT_TRUE(pushPress(button));
    }
    // Past the limit: had it been queued, this START would open the pause menu again.
    EXPECT_FALSE(pushPress(BUTTON_START));
    Script none;
    none.finished = [] { ADD_FAILURE() << "a menu waited: the refused press arrived"; };
    none.idle(1);
    playScript(&none);
    BattleLoop loop{};
    enterBattle(&loop);
    unsigned long frames = presentedFrames();
    bool left = runBattlePass(&loop);
    playScript(nullptr);
    EXPECT_EQ(one.left, left);
    EXPECT_EQ(one.highlightY, menuHighlight.y);
    EXPECT_EQ(one.menuFrames, presentedFrames() - frames - 1);
    EXPECT_EQ("", changesSince(one.records));
    clearInput();
}

// The main menu: presses queued behind START still move the pointer, and one
// frame is presented per press, the full queue included.
TEST(FullQueue, TheMainMenuPresentsOneFramePerPressAndChoosesByTheirOrder) {
    struct Run {
        int choice;
        unsigned long frames;
    };
    std::vector<int> before = seededPresses(21, 90, {BUTTON_UP, BUTTON_DOWN});
    std::vector<int> after = seededPresses(22, QUEUE_LIMIT - 91, {BUTTON_UP, BUTTON_DOWN});
    auto run = [&](bool flood) {
        clearInput();
        Script script;
        script.finished = [] { ADD_FAILURE() << "the main menu waited after the last press"; };
        ScriptStep last{{BUTTON_START}, {}, {}, {}};
        last.presses.insert(last.presses.end(), after.begin(), after.end());
        if (flood) {
            ScriptStep all{before, {}, {}, {}};
            all.presses.insert(all.presses.end(), last.presses.begin(), last.presses.end());
            EXPECT_EQ(static_cast<size_t>(QUEUE_LIMIT), all.presses.size());
            script.steps.push_back(all);
        } else {
            for (int b : before) {
                script.steps.push_back({{b}, {}, {}, {}});
            }
            script.steps.push_back(last);
        }
        playScript(&script);
        unsigned long frames = presentedFrames();
        int choice = runMainMenu();
        playScript(nullptr);
        return Run{choice, presentedFrames() - frames};
    };
    Run one = run(false);
    Run flood = run(true);
    EXPECT_EQ(one.choice, flood.choice);
    EXPECT_EQ(static_cast<unsigned long>(1 + QUEUE_LIMIT), flood.frames);
    EXPECT_EQ(one.frames, flood.frames);
}

} // namespace
