#include "embedded_images.h"
#include "platform/platform.h"
#include "shell.h"

#include <SDL_mixer.h>

namespace {

constexpr int POINTER_X = 100;

int pointerY(int choice) {
    switch (choice) {
    case MENU_START:
        return 83;
    case MENU_LOAD:
        return 116;
    default:
        return 155;
    }
}

void drawMenu(Sprite* background, Sprite* pointer, int choice) {
    drawSpriteAt(background, 0, 0);
    drawSpriteAt(pointer, POINTER_X, pointerY(choice));
}

} // namespace

// Every button press presents the frame, whether or not it moved the pointer;
// presses queued behind START still count, and the line current when the
// queue runs empty is the one chosen.
int runMainMenu() {
    Sprite background{};
    Sprite pointer{};
    SDL_Event event;
    loadSpriteImage(&background, &background, menuBackgroundImage, menuBackgroundImageSize, -1, -1,
                    -1);
    loadSpriteImage(&pointer, &pointer, menuPointerImage, menuPointerImageSize, 192, 192, 192);
    drawMenu(&background, &pointer, MENU_START);
    presentFrame();
    pollInput(nullptr);
    int choice = MENU_START;
    bool startSeen = false;
    while (true) {
        if (!pollInput(&event)) {
            if (startSeen) {
                break;
            }
            awaitInput();
            continue;
        }
        if (event.type != SDL_JOYBUTTONDOWN) {
            continue;
        }
        Uint8 button = event.jbutton.button;
        if (button == BUTTON_START) {
            Mix_HaltMusic();
            startSeen = true;
        } else if (button == BUTTON_UP && choice != MENU_START) {
            choice = choice == MENU_EXIT ? MENU_LOAD : MENU_START;
            drawMenu(&background, &pointer, choice);
        } else if (button == BUTTON_DOWN && choice != MENU_EXIT) {
            choice = choice == MENU_START ? MENU_LOAD : MENU_EXIT;
            drawMenu(&background, &pointer, choice);
        }
        presentFrame();
    }
    freeSprite(&pointer);
    freeSprite(&background);
    return choice;
}
