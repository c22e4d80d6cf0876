#include "desktop_icon.h"
#include "desktop_input.h"
#include "platform.h"
#include "screen_png.h"

#include <SDL_image.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/stat.h>

// A desktop stands in for the console: keys and a pad become GP2X button
// numbers here and nowhere else. The desktop's own keys (fullscreen, screen
// shots) and its requests to close never reach the game.

namespace {

struct KeyButton {
    SDLKey key;
    int button;
};

// The fixed key map. The second group serves today's Linux handhelds, whose
// buttons arrive as these keys.
const KeyButton KEY_MAP[] = {
    {SDLK_UP, BUTTON_UP},       {SDLK_LEFT, BUTTON_LEFT},    {SDLK_DOWN, BUTTON_DOWN},
    {SDLK_RIGHT, BUTTON_RIGHT}, {SDLK_RETURN, BUTTON_START}, {SDLK_ESCAPE, BUTTON_SELECT},
    {SDLK_l, BUTTON_L},         {SDLK_r, BUTTON_R},          {SDLK_a, BUTTON_A},
    {SDLK_b, BUTTON_B},         {SDLK_y, BUTTON_Y},          {SDLK_x, BUTTON_X},
    {SDLK_TAB, BUTTON_L},       {SDLK_BACKSPACE, BUTTON_R},  {SDLK_LCTRL, BUTTON_A},
    {SDLK_LALT, BUTTON_B},      {SDLK_LSHIFT, BUTTON_Y},     {SDLK_SPACE, BUTTON_X},
};

// Indexed by pad button: A, B, X, Y, BACK, GUIDE, START, the two sticks, LB,
// RB, then the D-pad up, down, left, right.
const int PAD_MAP[] = {
    BUTTON_A, BUTTON_B, BUTTON_X, BUTTON_Y,  BUTTON_SELECT, -1,          BUTTON_START, -1,
    -1,       BUTTON_L, BUTTON_R, BUTTON_UP, BUTTON_DOWN,   BUTTON_LEFT, BUTTON_RIGHT,
};
constexpr int PAD_BUTTONS = sizeof PAD_MAP / sizeof PAD_MAP[0];

volatile std::sig_atomic_t stopRequested;

void requestStop(int) {
    stopRequested = 1;
}

[[noreturn]] void stopNow() {
    SDL_Quit();
    std::exit(0);
}

void toggleFullscreen() {
    SDL_WM_ToggleFullScreen(SDL_GetVideoSurface());
}

// screenshots/hedgerow-YYYYMMDD-HHMMSS.png, with a number added when two
// shots fall in one second.
void saveScreenshot() {
    mkdir("screenshots", 0755);
    std::time_t now = std::time(nullptr);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", std::localtime(&now));
    char path[96];
    std::snprintf(path, sizeof path, "screenshots/hedgerow-%s.png", stamp);
    struct stat existing;
    for (int n = 2; stat(path, &existing) == 0 && n < 100; ++n) {
        std::snprintf(path, sizeof path, "screenshots/hedgerow-%s-%d.png", stamp, n);
    }
    if (!writeSurfacePng(SDL_GetVideoSurface(), path)) {
        std::fprintf(stderr, "hedgerow: could not write %s\n", path);
    }
}

void becomeButtonEvent(SDL_Event* event, int button, bool pressed) {
    event->type = pressed ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
    event->jbutton.which = 0;
    event->jbutton.button = static_cast<Uint8>(button);
    event->jbutton.state = pressed ? SDL_PRESSED : SDL_RELEASED;
}

// Turn one desktop event into the game's, or swallow it (false).
bool translate(SDL_Event* event) {
    switch (event->type) {
    case SDL_QUIT:
        stopNow();
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        bool down = event->type == SDL_KEYDOWN;
        SDLKey key = event->key.keysym.sym;
        if (key == SDLK_F11 || key == SDLK_F12) {
            if (down) {
                key == SDLK_F11 ? toggleFullscreen() : saveScreenshot();
            }
            return false;
        }
        int button = buttonForKey(key);
        if (button >= 0) {
            becomeButtonEvent(event, button, down);
        }
        return true;
    }
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP: {
        int button = buttonForPad(event->jbutton.button);
        if (button < 0) {
            return false;
        }
        event->jbutton.button = static_cast<Uint8>(button);
        return true;
    }
    default:
        return true;
    }
}

void setIcon() {
    SDL_RWops* stream =
        SDL_RWFromMem(const_cast<unsigned char*>(hedgerowIcon), static_cast<int>(hedgerowIconSize));
    SDL_Surface* icon = IMG_Load_RW(stream, 1);
    if (icon) {
        SDL_WM_SetIcon(icon, nullptr);
        SDL_FreeSurface(icon);
    }
}

} // namespace

int buttonForKey(SDLKey key) {
    for (const KeyButton& k : KEY_MAP) {
        if (k.key == key) {
            return k.button;
        }
    }
    return -1;
}

int buttonForPad(int padButton) {
    return padButton >= 0 && padButton < PAD_BUTTONS ? PAD_MAP[padButton] : -1;
}

// After SDL_Init, so that our handlers take the place of SDL's own.
void platformStart() {
    SDL_WM_SetCaption("Hedgerow", "Hedgerow");
    setIcon();
    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);
}

int pollInput(SDL_Event* event) {
    if (stopRequested) {
        stopNow();
    }
    if (!event) {
        return SDL_PollEvent(nullptr);
    }
    while (SDL_PollEvent(event)) {
        if (translate(event)) {
            return 1;
        }
    }
    return 0;
}

void awaitInput() {}

void updateButtons() {
    SDL_JoystickUpdate();
}

Uint8 buttonHeld(SDL_Joystick* joystick, int button) {
    if (joystick) {
        for (int pad = 0; pad < PAD_BUTTONS; ++pad) {
            if (PAD_MAP[pad] == button && SDL_JoystickGetButton(joystick, pad)) {
                return 1;
            }
        }
    }
    const Uint8* keys = SDL_GetKeyState(nullptr);
    for (const KeyButton& k : KEY_MAP) {
        if (k.button == button && keys[k.key]) {
            return 1;
        }
    }
    return 0;
}

void presentScreen(SDL_Surface* screen) {
    SDL_Flip(screen);
}

Uint32 readTicks() {
    if (stopRequested) {
        stopNow();
    }
    return SDL_GetTicks();
}
