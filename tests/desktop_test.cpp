#include "platform/buttons.h"
#include "platform/desktop_input.h"
#include "platform/platform.h"

#include <SDL.h>

#include <cstdlib>
#include <gtest/gtest.h>
#include <ostream>

namespace {

// What the game sees of one desktop event, through the desktop layer.
struct Seen {
    bool any;
    Uint8 type;
    int button;
};

Seen pollOne() {
    SDL_Event event;
    if (!pollInput(&event)) {
        return {false, 0, -1};
    }
    bool isButton = event.type == SDL_JOYBUTTONDOWN || event.type == SDL_JOYBUTTONUP;
    return {true, event.type, isButton ? event.jbutton.button : -1};
}

void pushKey(SDLKey key, bool down) {
    SDL_Event e{};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = key;
    SDL_PushEvent(&e);
}

void pushPad(int padButton, bool down) {
    SDL_Event e{};
    e.type = down ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
    e.jbutton.which = 0;
    e.jbutton.button = static_cast<Uint8>(padButton);
    e.jbutton.state = down ? SDL_PRESSED : SDL_RELEASED;
    SDL_PushEvent(&e);
}

struct Mapping {
    const char* meaning;
    int from; // an SDLKey or a pad button
    int button;
};

void PrintTo(const Mapping& m, std::ostream* os) {
    *os << m.meaning;
}

class Desktop : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        SDL_Init(SDL_INIT_VIDEO | SDL_INIT_JOYSTICK);
        SDL_SetVideoMode(320, 240, 16, SDL_SWSURFACE);
    }
    void SetUp() override {
        SDL_Event e;
        while (SDL_PollEvent(&e)) {
        }
    }
};

class Keys : public Desktop, public ::testing::WithParamInterface<Mapping> {};
class Pad : public Desktop, public ::testing::WithParamInterface<Mapping> {};

// A mapped key's press and release reach the game as the button's press and release.
TEST_P(Keys, ArriveAsTheirButton) {
    const Mapping& m = GetParam();
    EXPECT_EQ(m.button, buttonForKey(static_cast<SDLKey>(m.from)));
    pushKey(static_cast<SDLKey>(m.from), true);
    pushKey(static_cast<SDLKey>(m.from), false);
    Seen down = pollOne();
    Seen up = pollOne();
    EXPECT_EQ(SDL_JOYBUTTONDOWN, down.type);
    EXPECT_EQ(m.button, down.button);
    EXPECT_EQ(SDL_JOYBUTTONUP, up.type);
    EXPECT_EQ(m.button, up.button);
}

INSTANTIATE_TEST_SUITE_P(
    FixedMap, Keys,
    ::testing::Values(
        Mapping{"Up", SDLK_UP, BUTTON_UP}, Mapping{"Left", SDLK_LEFT, BUTTON_LEFT},
        Mapping{"Down", SDLK_DOWN, BUTTON_DOWN}, Mapping{"Right", SDLK_RIGHT, BUTTON_RIGHT},
        Mapping{"Return", SDLK_RETURN, BUTTON_START}, Mapping{"Escape", SDLK_ESCAPE, BUTTON_SELECT},
        Mapping{"L", SDLK_l, BUTTON_L}, Mapping{"R", SDLK_r, BUTTON_R},
        Mapping{"A", SDLK_a, BUTTON_A}, Mapping{"B", SDLK_b, BUTTON_B},
        Mapping{"Y", SDLK_y, BUTTON_Y}, Mapping{"X", SDLK_x, BUTTON_X},
        Mapping{"TabIsL", SDLK_TAB, BUTTON_L}, Mapping{"BackspaceIsR", SDLK_BACKSPACE, BUTTON_R},
        Mapping{"LeftCtrlIsA", SDLK_LCTRL, BUTTON_A}, Mapping{"LeftAltIsB", SDLK_LALT, BUTTON_B},
        Mapping{"LeftShiftIsY", SDLK_LSHIFT, BUTTON_Y}, Mapping{"SpaceIsX", SDLK_SPACE, BUTTON_X}),
    [](const auto& info) { return std::string(info.param.meaning); });

// Pads arrive in the compatibility layer's controller layout and are mapped by
// the letters printed on them; a button the game has no use for never arrives,
// so that it cannot pass for a GP2X button of the same number.
TEST_P(Pad, ArrivesAsTheButtonOfTheSameLetter) {
    const Mapping& m = GetParam();
    EXPECT_EQ(m.button, buttonForPad(m.from));
    pushPad(m.from, true);
    pushPad(m.from, false);
    if (m.button < 0) {
        EXPECT_FALSE(pollOne().any);
        return;
    }
    Seen down = pollOne();
    Seen up = pollOne();
    EXPECT_EQ(SDL_JOYBUTTONDOWN, down.type);
    EXPECT_EQ(m.button, down.button);
    EXPECT_EQ(SDL_JOYBUTTONUP, up.type);
    EXPECT_EQ(m.button, up.button);
}

INSTANTIATE_TEST_SUITE_P(
    ControllerLayout, Pad,
    ::testing::Values(Mapping{"A", 0, BUTTON_A}, Mapping{"B", 1, BUTTON_B},
                      Mapping{"X", 2, BUTTON_X}, Mapping{"Y", 3, BUTTON_Y},
                      Mapping{"BackIsSelect", 4, BUTTON_SELECT}, Mapping{"Guide", 5, -1},
                      Mapping{"Start", 6, BUTTON_START}, Mapping{"LeftStick", 7, -1},
                      Mapping{"RightStickIsNotStart", 8, -1}, Mapping{"LbIsL", 9, BUTTON_L},
                      Mapping{"RbIsR", 10, BUTTON_R}, Mapping{"DpadUp", 11, BUTTON_UP},
                      Mapping{"DpadDown", 12, BUTTON_DOWN}, Mapping{"DpadLeft", 13, BUTTON_LEFT},
                      Mapping{"DpadRight", 14, BUTTON_RIGHT}, Mapping{"Beyond", 15, -1}),
    [](const auto& info) { return std::string(info.param.meaning); });

TEST_F(Desktop, FullscreenAndScreenshotKeysNeverReachTheGame) {
    pushKey(SDLK_F12, true);
    pushKey(SDLK_F12, false);
    pushKey(SDLK_F11, false);
    pushKey(SDLK_q, true);
    Seen other = pollOne();
    EXPECT_EQ(SDL_KEYDOWN, other.type)
        << "an unmapped key passes as it is, for the game to discard";
    EXPECT_FALSE(pollOne().any);
}

} // namespace
