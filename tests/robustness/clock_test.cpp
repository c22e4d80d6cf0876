#include "harness.h"
#include "platform/buttons.h"
#include "rules/rules.h"

#include <SDL.h>

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

// The tick count wraps past 2^32 - 1 after 49.7 days of running. Across the
// wrap every battle pass must read the clock as often and stamp its frame as
// far after the last as it does anywhere else.

namespace {

struct Pace {
    std::vector<unsigned long> readings; // clock readings in each pass
    std::vector<Uint32> stamps;          // lastFrameTicks after each pass, minus the one before
};

Pace playPasses(Uint32 start, Uint32 perRead, int passes) {
    freshBattle();
    BattleLoop loop{};
    enterBattle(&loop);
    // The first pass measures from whatever the stamp was; from the second on
    // the stamps follow the clock.
    setClock(start, perRead);
    lastFrameTicks = start;
    Pace pace;
    for (int i = 0; i < passes; ++i) {
        unsigned long before = clockReadings();
        Uint32 stamp = lastFrameTicks;
        // Something to do in each pass, as in a real battle.
        pushPress(i % 2 ? BUTTON_LEFT : BUTTON_RIGHT);
        runBattlePass(&loop);
        pace.readings.push_back(clockReadings() - before);
        pace.stamps.push_back(lastFrameTicks - stamp);
    }
    clearInput();
    return pace;
}

struct Wrap {
    const char* name;
    Uint32 perRead;
    Uint32 beforeWrap; // ticks from the first stamp to 2^32
};

void PrintTo(const Wrap& w, std::ostream* os) {
    *os << w.name;
}

class TickWrap : public ::testing::TestWithParam<Wrap> {};

TEST_P(TickWrap, LeavesThePacingUndisturbed) {
    const Wrap& w = GetParam();
    const int passes = 40;
    Pace far = playPasses(1000000, w.perRead, passes);
    Pace across = playPasses(static_cast<Uint32>(0) - w.beforeWrap, w.perRead, passes);
    Uint64 elapsed = 0;
    for (Uint32 s : across.stamps) {
        elapsed += s;
    }
    ASSERT_GT(elapsed, w.beforeWrap) << "the passes never reached the wrap";
    EXPECT_EQ(far.readings, across.readings);
    EXPECT_EQ(far.stamps, across.stamps);
    for (Uint32 s : across.stamps) {
        EXPECT_GE(s, static_cast<Uint32>(1000 / BATTLE_FPS));
        EXPECT_LE(s, static_cast<Uint32>(1000 / BATTLE_FPS) + 2 * w.perRead);
    }
}

// The wrap falls on a stamp, inside a wait, and on the reading that ends one.
INSTANTIATE_TEST_SUITE_P(InTheMiddleOfABattle, TickWrap,
                         ::testing::Values(Wrap{"OneTickPerReading", 1, 500},
                                           Wrap{"WrapOnAStamp", 1, 34 * 10},
                                           Wrap{"SevenTicksPerReading", 7, 333},
                                           Wrap{"ThirtyThreeTicksPerReading", 33, 99},
                                           Wrap{"SlowerThanAFrame", 50, 120},
                                           Wrap{"LastTickOfTheCount", 1, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
