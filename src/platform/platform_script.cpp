#include "platform.h"
#include "script_input.h"

#include <cstdio>
#include <cstdlib>

namespace {

bool held[BUTTON_COUNT];
Uint32 clockValue;
Uint32 clockStep = 1;
unsigned long readings;
unsigned long passes;
unsigned long presented;
InputHook inputHook;
void* hookContext;

bool pushButtonEvent(Uint8 type, int button) {
    SDL_Event event{};
    event.type = type;
    event.jbutton.which = 0;
    event.jbutton.button = static_cast<Uint8>(button);
    event.jbutton.state = type == SDL_JOYBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    return SDL_PushEvent(&event) == 0;
}

} // namespace

void holdButton(int button) {
    if (button >= 0 && button < BUTTON_COUNT) {
        held[button] = true;
    }
}

void releaseButton(int button) {
    if (button >= 0 && button < BUTTON_COUNT) {
        held[button] = false;
    }
}

void releaseAllButtons() {
    for (bool& b : held) {
        b = false;
    }
}

bool pushPress(int button) {
    return pushButtonEvent(SDL_JOYBUTTONDOWN, button);
}
bool pushRelease(int button) {
    return pushButtonEvent(SDL_JOYBUTTONUP, button);
}

void setClock(Uint32 now, Uint32 perRead) {
    clockValue = now;
    clockStep = perRead;
    readings = 0;
}

Uint32 clockNow() {
    return clockValue;
}
unsigned long clockReadings() {
    return readings;
}

void setInputHook(InputHook hook, void* context) {
    inputHook = hook;
    hookContext = context;
}

unsigned long battlePasses() {
    return passes;
}
unsigned long presentedFrames() {
    return presented;
}

void platformStart() {}

int pollInput(SDL_Event* event) {
    return SDL_PollEvent(event);
}

void awaitInput() {
    if (!inputHook) {
        std::fprintf(stderr, "the game waits for a press that the script never gives\n");
        std::exit(3);
    }
    inputHook(InputPoint::Waiting, hookContext);
}

void updateButtons() {
    SDL_JoystickUpdate();
    ++passes;
    if (inputHook) {
        inputHook(InputPoint::BattlePass, hookContext);
    }
}

Uint8 buttonHeld(SDL_Joystick*, int button) {
    return button >= 0 && button < BUTTON_COUNT && held[button] ? 1 : 0;
}

void presentScreen(SDL_Surface* screen) {
    ++presented;
    SDL_Flip(screen);
}

Uint32 readTicks() {
    ++readings;
    Uint32 now = clockValue;
    clockValue += clockStep;
    return now;
}
