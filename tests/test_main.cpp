#include "shell/shell.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <unistd.h>

// Every test runs on the real SDL library with its dummy drivers, on the real
// screen, with the real pictures, the way main sets them up.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    // The font is read relative to the working directory, as in the game.
    if (chdir(HEDGEROW_SOURCE_DIR) != 0) {
        return 1;
    }
    SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO | SDL_INIT_JOYSTICK);
    screen = SDL_SetVideoMode(320, 240, 16, SDL_HWSURFACE | SDL_DOUBLEBUF);
    if (!screen || Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 512) != 0) {
        return 1;
    }
    loadBattleImages();
    int result = RUN_ALL_TESTS();
    SDL_Quit();
    return result;
}
