#include "platform/platform.h"
#include "shell.h"

#include <SDL_mixer.h>

#include <cstdio>
#include <unistd.h>

int main(int, char**) {
    SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO | SDL_INIT_JOYSTICK);
    platformStart();
    joystick = SDL_JoystickOpen(0);
    screen = SDL_SetVideoMode(320, 240, 16, SDL_HWSURFACE | SDL_DOUBLEBUF);
    if (!screen) {
        std::fprintf(stderr, "Error, screen mode: %s\n", SDL_GetError());
        return 1;
    }
    SDL_ShowCursor(0);
    if (Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 512) != 0) {
        return 1;
    }
    showTitleSplash();
    loadBattleImages();
    runMainCycle();

    SDL_Quit();
    // Hand the console back to its launcher.
    // Where there is no such folder the launcher below fails too, and we end.
    [[maybe_unused]] int moved = chdir("/usr/gp2x");
    execl("/usr/gp2x/gp2xmenu", "/usr/gp2x/gp2xmenu", static_cast<char*>(nullptr));
    return 0;
}
