#include "platform.h"

// A desktop stands in for the console: the keyboard (and, later, a pad) is
// turned into GP2X button numbers here, and nowhere else.

namespace {

struct KeyButton {
    SDLKey key;
    int button;
};

// The fixed key map. The second group serves today's Linux handhelds, whose
// buttons arrive as these keys.
const KeyButton KEY_MAP[] = {
    {SDLK_UP, BUTTON_UP},         {SDLK_LEFT, BUTTON_LEFT},   {SDLK_DOWN, BUTTON_DOWN},
    {SDLK_RIGHT, BUTTON_RIGHT},   {SDLK_RETURN, BUTTON_START}, {SDLK_ESCAPE, BUTTON_SELECT},
    {SDLK_l, BUTTON_L},           {SDLK_r, BUTTON_R},         {SDLK_a, BUTTON_A},
    {SDLK_b, BUTTON_B},           {SDLK_y, BUTTON_Y},         {SDLK_x, BUTTON_X},
    {SDLK_TAB, BUTTON_L},         {SDLK_BACKSPACE, BUTTON_R}, {SDLK_LCTRL, BUTTON_A},
    {SDLK_LALT, BUTTON_B},        {SDLK_LSHIFT, BUTTON_Y},    {SDLK_SPACE, BUTTON_X},
};

int buttonForKey(SDLKey key) {
    for (const KeyButton& k : KEY_MAP) {
        if (k.key == key) {
            return k.button;
        }
    }
    return -1;
}

void becomeButtonEvent(SDL_Event* event, int button, bool pressed) {
    event->type = pressed ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
    event->jbutton.which = 0;
    event->jbutton.button = static_cast<Uint8>(button);
    event->jbutton.state = pressed ? SDL_PRESSED : SDL_RELEASED;
}

} // namespace

void platformStart() { SDL_WM_SetCaption("Hedgerow", "Hedgerow"); }

int pollInput(SDL_Event* event) {
    if (!event) {
        return SDL_PollEvent(nullptr);
    }
    if (!SDL_PollEvent(event)) {
        return 0;
    }
    if (event->type == SDL_KEYDOWN || event->type == SDL_KEYUP) {
        int button = buttonForKey(event->key.keysym.sym);
        if (button >= 0) {
            becomeButtonEvent(event, button, event->type == SDL_KEYDOWN);
        }
    }
    return 1;
}

void awaitInput() {}

void updateButtons() { SDL_JoystickUpdate(); }

Uint8 buttonHeld(SDL_Joystick* joystick, int button) {
    if (joystick && SDL_JoystickGetButton(joystick, button)) {
        return 1;
    }
    const Uint8* keys = SDL_GetKeyState(nullptr);
    for (const KeyButton& k : KEY_MAP) {
        if (k.button == button && keys[k.key]) {
            return 1;
        }
    }
    return 0;
}

void presentScreen(SDL_Surface* screen) { SDL_Flip(screen); }

Uint32 readTicks() { return SDL_GetTicks(); }
