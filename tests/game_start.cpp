#include "game_start.h"

#include "shell/shell.h"

#include <SDL_mixer.h>

#include <cstdlib>
#include <unistd.h>

bool startLikeTheGame() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (chdir(HEDGEROW_SOURCE_DIR) != 0) {
        return false;
    }
    SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO | SDL_INIT_JOYSTICK);
    screen = SDL_SetVideoMode(320, 240, 16, SDL_HWSURFACE | SDL_DOUBLEBUF);
    if (!screen || Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 512) != 0) {
        return false;
    }
    loadBattleImages();
    return true;
}
