#include "platform.h"

// On the console itself the D-pad and buttons are joystick 0 and its button
// numbers are already the game's: nothing to translate.

void platformStart() {}

int pollInput(SDL_Event* event) {
    return SDL_PollEvent(event);
}

void awaitInput() {}

void updateButtons() {
    SDL_JoystickUpdate();
}

Uint8 buttonHeld(SDL_Joystick* joystick, int button) {
    return SDL_JoystickGetButton(joystick, button);
}

void presentScreen(SDL_Surface* screen) {
    SDL_Flip(screen);
}

Uint32 readTicks() {
    return SDL_GetTicks();
}
