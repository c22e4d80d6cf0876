#include "rules/rules.h"
#include "scene.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <valgrind/callgrind.h>

// hedgerow_frame_instructions [FRAMES [designed|tiles-without-key]]:
// composes the busiest battle frame FRAMES times (100 by default) for
// callgrind, which scripts/bench starts with instrumentation off and collects
// only inside composeBattleFrame; as the game draws it, or with the tiles as
// the design excludes, for comparison.
int main(int argc, char** argv) {
    int frames = argc > 1 ? std::atoi(argv[1]) : 100;
    std::string way = argc > 2 ? argv[2] : "designed";
    if (frames <= 0 || !startLikeTheGame()) {
        return 1;
    }
    setUpBusiestFrame();
    if (way == "tiles-without-key") {
        takeKeyOffTiles(true);
    } else if (way != "designed") {
        std::fprintf(stderr, "unknown way of drawing: %s\n", way.c_str());
        return 2;
    }
    // The first blit of each picture onto the screen builds SDL's blit map
    // for it, once for the run; every later frame is like the ones counted.
    composeBattleFrame();
    CALLGRIND_START_INSTRUMENTATION;
    for (int i = 0; i < frames; ++i) {
        composeBattleFrame();
    }
    CALLGRIND_STOP_INSTRUMENTATION;
    std::printf("frames %d\n", frames);
    SDL_Quit();
    return 0;
}
