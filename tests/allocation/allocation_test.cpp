#include "control/control.h"
#include "held_pictures.h"
#include "platform/buttons.h"
#include "platform/script_input.h"
#include "rules/rules.h"
#include "shell/shell.h"
#include "world/world.h"

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <initializer_list>
#include <new>
#include <string>

extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* pointer, size_t size);
void* __libc_memalign(size_t alignment, size_t size);
void __libc_free(void* pointer);
// The bounds of this executable's code, from the linker.
extern const char __executable_start;
extern const char etext;
}

namespace {

// Only the thread that runs the battle is watched: SDL's dummy audio driver
// feeds the mixer from a thread of its own, which the game never touches.
thread_local bool watchedThread;
bool counting;

constexpr int NOTED = 16;

// An allocation whose caller lies in this executable is put down to the game,
// which is linked in statically (the test's own code that runs meanwhile only
// queues presses and holds buttons); any other was made inside a library, SDL
// or the C library.
struct Tally {
    unsigned long game = 0;
    unsigned long library = 0;
    void* gameCallers[NOTED] = {};
    void* libraryCallers[NOTED] = {};
};
Tally tally;

void note(void* caller) {
    if (!counting || !watchedThread) {
        return;
    }
    const char* at = static_cast<const char*>(caller);
    if (at >= &__executable_start && at < &etext) {
        if (tally.game < NOTED) {
            tally.gameCallers[tally.game] = caller;
        }
        ++tally.game;
    } else {
        if (tally.library < NOTED) {
            tally.libraryCallers[tally.library] = caller;
        }
        ++tally.library;
    }
}

} // namespace

// Every allocation of the process comes through here, the libraries' too:
// glibc lets a program replace malloc for everyone.
extern "C" void* malloc(size_t size) {
    note(__builtin_return_address(0));
    return __libc_malloc(size);
}

extern "C" void* calloc(size_t count, size_t size) {
    note(__builtin_return_address(0));
    return __libc_calloc(count, size);
}

extern "C" void* realloc(void* pointer, size_t size) {
    note(__builtin_return_address(0));
    return __libc_realloc(pointer, size);
}

extern "C" void* memalign(size_t alignment, size_t size) {
    note(__builtin_return_address(0));
    return __libc_memalign(alignment, size);
}

extern "C" void* aligned_alloc(size_t alignment, size_t size) {
    note(__builtin_return_address(0));
    return __libc_memalign(alignment, size);
}

extern "C" int posix_memalign(void** out, size_t alignment, size_t size) {
    note(__builtin_return_address(0));
    void* pointer = __libc_memalign(alignment, size);
    if (!pointer) {
        return ENOMEM;
    }
    *out = pointer;
    return 0;
}

extern "C" void free(void* pointer) {
    __libc_free(pointer);
}

void* operator new(size_t size) {
    note(__builtin_return_address(0));
    if (void* pointer = __libc_malloc(size ? size : 1)) {
        return pointer;
    }
    throw std::bad_alloc();
}

void* operator new[](size_t size) {
    note(__builtin_return_address(0));
    if (void* pointer = __libc_malloc(size ? size : 1)) {
        return pointer;
    }
    throw std::bad_alloc();
}

void operator delete(void* pointer) noexcept {
    __libc_free(pointer);
}
void operator delete[](void* pointer) noexcept {
    __libc_free(pointer);
}
void operator delete(void* pointer, size_t) noexcept {
    __libc_free(pointer);
}
void operator delete[](void* pointer, size_t) noexcept {
    __libc_free(pointer);
}

namespace {

std::string named(void* const* callers, unsigned long count) {
    std::string names;
    for (unsigned long i = 0; i < count && i < NOTED; ++i) {
        Dl_info info{};
        char line[512];
        if (dladdr(callers[i], &info) && info.dli_sname) {
            std::snprintf(line, sizeof line, "  from %s in %s\n", info.dli_sname, info.dli_fname);
        } else if (info.dli_fname) {
            std::snprintf(line, sizeof line, "  from %p (+%#lx) in %s\n", callers[i],
                          static_cast<unsigned long>(static_cast<const char*>(callers[i]) -
                                                     static_cast<const char*>(info.dli_fbase)),
                          info.dli_fname);
        } else {
            std::snprintf(line, sizeof line, "  from %p\n", callers[i]);
        }
        names += line;
    }
    return names;
}

bool inSdl(void* caller) {
    Dl_info info{};
    return dladdr(caller, &info) && info.dli_fname && std::strstr(info.dli_fname, "libSDL");
}

// One pass's input: presses queued before it, and the held buttons it reads.
struct Pass {
    int presses[6];
    int pressCount;
    int hold;
    int release;
};

constexpr int NONE = -1;

Pass press(std::initializer_list<int> buttons) {
    Pass pass{{}, 0, NONE, NONE};
    for (int b : buttons) {
        pass.presses[pass.pressCount++] = b;
    }
    return pass;
}
Pass holdAnd(int held, std::initializer_list<int> buttons) {
    Pass pass = press(buttons);
    pass.hold = held;
    return pass;
}
Pass letGo(int button) {
    return {{}, 0, NONE, button};
}
Pass idle() {
    return {{}, 0, NONE, NONE};
}

// Brings the cursor from where a battle starts onto soldier 3, at home.
const Pass PRELUDE = press({BUTTON_LEFT, BUTTON_UP});

// What a player does with soldier 3, from the cursor over it at home and back
// to there: walks it halfway to the enemies, looks at its numbers, strikes
// the nearest enemy until it falls, goes through both menus, and walks it home. Each step is
// one pass.
const Pass ROUND[] = {
    holdAnd(BUTTON_X, {BUTTON_X, BUTTON_A}), // MOVE
    letGo(BUTTON_X),
    press({BUTTON_RIGHT}),
    idle(),
    idle(),
    idle(),
    idle(),
    idle(),
    idle(),
    idle(),
    holdAnd(BUTTON_X, {}),
    letGo(BUTTON_X),
    holdAnd(BUTTON_R, {}),
    idle(),
    letGo(BUTTON_R),
    holdAnd(BUTTON_B, {}),
    letGo(BUTTON_B),
    holdAnd(BUTTON_X, {BUTTON_X, BUTTON_DOWN, BUTTON_A}), // ATTACK
    letGo(BUTTON_X),
    press({BUTTON_RIGHT}),
    holdAnd(BUTTON_X, {}),
    letGo(BUTTON_X),
    idle(),
    holdAnd(BUTTON_Y, {}),
    letGo(BUTTON_Y),
    holdAnd(BUTTON_B, {}), // once the enemy has fallen, the aim is given up here
    letGo(BUTTON_B),
    press({BUTTON_START, BUTTON_DOWN, BUTTON_DOWN, BUTTON_UP, BUTTON_UP, BUTTON_START}), // END TURN
    holdAnd(BUTTON_X, {BUTTON_X, BUTTON_DOWN, BUTTON_DOWN, BUTTON_A}),                   // SPECIAL
    letGo(BUTTON_X),
    holdAnd(BUTTON_X, {BUTTON_X, BUTTON_A}), // MOVE
    letGo(BUTTON_X),
    press({BUTTON_LEFT}),
    idle(),
    idle(),
    idle(),
    idle(),
    idle(),
    idle(),
    idle(),
    idle(),
    idle(),
    holdAnd(BUTTON_X, {}),
    letGo(BUTTON_X),
};
constexpr int ROUND_PASSES = sizeof ROUND / sizeof ROUND[0];

void give(const Pass& pass) {
    if (pass.release != NONE) {
        releaseButton(pass.release);
    }
    if (pass.hold != NONE) {
        holdButton(pass.hold);
    }
    for (int i = 0; i < pass.pressCount; ++i) {
        pushPress(pass.presses[i]);
    }
}

// A menu that finds the queue empty before its accept press would wait for
// the player; every round queues its accept, so coming here is a fault of
// the round, and the menu is let go.
bool menuWaited;
void refuseToWait(InputPoint point, void*) {
    if (point == InputPoint::Waiting) {
        menuWaited = true;
        pushPress(BUTTON_A);
        pushPress(BUTTON_START);
    }
}

// What the rounds were seen to do, so that a quiet battle cannot pass for a
// busy one.
struct Seen {
    bool walked = false;
    bool statsShown = false;
    bool attackAimed = false;
    bool struck = false;
};

void play(const Pass& pass, BattleLoop* loop, Seen* seen) {
    int32_t x = playerSquad[3].x;
    give(pass);
    runBattlePass(loop);
    seen->walked |= playerSquad[3].x != x;
    seen->statsShown |= statsPanel.state == STATE_ACTIVE;
    seen->attackAimed |= attackCursor.state == STATE_ACTIVE;
    seen->struck |= attackScreen.state == STATE_ACTIVE;
}

// SDL's queue keeps its spent entries for reuse and grows only past the most
// events it has held at once. It is grown here, before counting, beyond the
// most presses a pass queues: that input is the test's, not the game's.
void growSdlQueue() {
    for (int i = 0; i < 32; ++i) {
        pushPress(BUTTON_SELECT);
    }
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
    }
}

// The first time a picture is blitted onto the screen, SDL registers the
// pair in a list with a 16-byte node, once for the whole run. The first pass
// draws the tiles, the units and the cursor; the first round shows the rest:
// the two menus and their highlight, the move-range grid, the stats panel,
// its numbers and the portrait, the attack cursor and the notice. So SDL may
// allocate that many times in the first round, and from the second round on
// nothing at all may be allocated, by anyone.
constexpr unsigned long PICTURES_FIRST_SHOWN_IN_A_ROUND = 9;

TEST(Allocation, BattlePassesAllocateNothingAfterTheFirst) {
    growSdlQueue();
    releaseAllButtons();
    setupBattlefield(MAP_ROWS, MAP_COLS, 0, 0);
    setupBattle();
    setClock(0, 1);
    setInputHook(refuseToWait, nullptr);
    constexpr int ROUNDS = 8;

    Seen seen;
    BattleLoop loop{};
    enterBattle(&loop);
    play(PRELUDE, &loop, &seen);

    unsigned long framesBefore = presentedFrames();
    unsigned long passesBefore = battlePasses();
    watchedThread = true;
    counting = true;
    for (const Pass& pass : ROUND) {
        play(pass, &loop, &seen);
    }
    counting = false;
    Tally firstRound = tally;
    tally = Tally{};
    counting = true;
    for (int round = 1; round < ROUNDS; ++round) {
        for (const Pass& pass : ROUND) {
            play(pass, &loop, &seen);
        }
    }
    counting = false;
    unsigned long passes = battlePasses() - passesBefore;
    unsigned long menuFrames = presentedFrames() - framesBefore - passes;
    setInputHook(nullptr, nullptr);
    releaseAllButtons();

    std::printf(
        "first round: %lu allocations by the game, %lu inside SDL; later rounds: %lu, %lu\n",
        firstRound.game, firstRound.library, tally.game, tally.library);
    EXPECT_EQ(0u, firstRound.game) << named(firstRound.gameCallers, firstRound.game);
    EXPECT_LE(firstRound.library, PICTURES_FIRST_SHOWN_IN_A_ROUND)
        << named(firstRound.libraryCallers, firstRound.library);
    for (unsigned long i = 0; i < firstRound.library && i < NOTED; ++i) {
        EXPECT_TRUE(inSdl(firstRound.libraryCallers[i])) << named(firstRound.libraryCallers + i, 1);
    }
    EXPECT_EQ(0u, tally.game) << named(tally.gameCallers, tally.game);
    EXPECT_EQ(0u, tally.library) << named(tally.libraryCallers, tally.library);

    EXPECT_EQ(static_cast<unsigned long>(ROUNDS * ROUND_PASSES), passes);
    EXPECT_FALSE(menuWaited);
    EXPECT_TRUE(seen.walked);
    EXPECT_TRUE(seen.statsShown);
    EXPECT_TRUE(seen.attackAimed);
    EXPECT_TRUE(seen.struck);
    EXPECT_LE(enemySquad1[0].life, 0);
    EXPECT_EQ(STATE_INACTIVE, enemySquad1[0].state);
    EXPECT_GE(menuFrames, static_cast<unsigned long>(ROUNDS) * 15);
}

// Each squad member keeps a copy of its sheet of its own, and every picture
// but the font is held in the 16-bit display format: all of it must leave
// room within the handheld's memory for the rest of the program.
TEST(Footprint, HeldPicturesTakeAtMostFourMegabytes) {
    SDL_Surface* held[HELD_PICTURES];
    listHeldPictures(held);
    long total = 0;
    for (int i = 0; i < HELD_PICTURES; ++i) {
        ASSERT_NE(nullptr, held[i]) << "picture " << i;
        for (int j = 0; j < i; ++j) {
            EXPECT_NE(held[j], held[i]) << "pictures " << j << " and " << i << " share a surface";
        }
        if (held[i] != fontSurface) {
            EXPECT_EQ(screen->format->BitsPerPixel, held[i]->format->BitsPerPixel)
                << "picture " << i << " is not in the display format";
            EXPECT_EQ(screen->format->Rmask, held[i]->format->Rmask) << "picture " << i;
        }
        total += pixelBytes(held[i]);
    }
    long sheets = 0;
    for (int i = 0; i < 6 * SQUAD_SIZE; ++i) {
        sheets += pixelBytes(held[i]);
    }
    std::printf("held picture memory: %ld bytes (%.2f MiB) in %d surfaces, %ld of them in the "
                "squads' own sheets\n",
                total, static_cast<double>(total) / (1024.0 * 1024.0), HELD_PICTURES, sheets);
    ::testing::Test::RecordProperty("held_picture_bytes", std::to_string(total));
    EXPECT_LE(total, 4L * 1000 * 1000);
}

} // namespace
