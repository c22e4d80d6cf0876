#include "embedded_images.h"
#include "platform/platform.h"
#include "shell.h"

// START ends the splash only once the queue is next found empty, so presses
// queued behind it are taken here and go no further.
void showTitleSplash() {
    Sprite splash{};
    SDL_Event event;
    loadSpriteImage(&splash, &splash, titleSplashImage, titleSplashImageSize, -1, -1, -1);
    drawSpriteAt(&splash, 0, 0);
    presentFrame();
    pollInput(nullptr);
    bool startSeen = false;
    while (true) {
        if (pollInput(&event)) {
            if (event.type == SDL_JOYBUTTONDOWN && event.jbutton.button == BUTTON_START) {
                startSeen = true;
            }
            continue;
        }
        if (startSeen) {
            break;
        }
        awaitInput();
    }
    freeSprite(&splash);
}
