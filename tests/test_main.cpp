#include "game_start.h"

#include <SDL.h>

#include <gtest/gtest.h>

// Every test runs on the real SDL library with its dummy drivers, on the real
// screen, with the real pictures, the way main sets them up.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (!startLikeTheGame()) {
        return 1;
    }
    int result = RUN_ALL_TESTS();
    SDL_Quit();
    return result;
}
