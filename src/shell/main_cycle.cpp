#include "control/control.h"
#include "platform/platform.h"
#include "shell.h"

SDL_Surface* screen;
SDL_Joystick* joystick;

void presentFrame() {
    presentScreen(screen);
}

// LOAD reads nothing: it only shows the menu again from the start.
void runMainCycle() {
    while (true) {
        int choice = runMainMenu();
        if (choice == MENU_START) {
            setupBattlefield(MAP_ROWS, MAP_COLS, 0, 0);
            setupBattle();
            runBattle();
        } else if (choice == MENU_EXIT) {
            return;
        }
    }
}
