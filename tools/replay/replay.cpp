#include "control/control.h"
#include "platform/buttons.h"
#include "platform/screen_png.h"
#include "platform/script_input.h"
#include "platform/script_player.h"
#include "shell/shell.h"

#include <SDL_mixer.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// hedgerow-replay SCRIPT: plays the real game headless under an input script
// (see docs/replay.md) and writes the screenshots the script asks for.

namespace {

struct Name {
    const char* word;
    int button;
};

const Name BUTTON_NAMES[] = {
    {"UP", BUTTON_UP},       {"UPLEFT", BUTTON_UP_LEFT},
    {"LEFT", BUTTON_LEFT},   {"DOWNLEFT", BUTTON_DOWN_LEFT},
    {"DOWN", BUTTON_DOWN},   {"DOWNRIGHT", BUTTON_DOWN_RIGHT},
    {"RIGHT", BUTTON_RIGHT}, {"UPRIGHT", BUTTON_UP_RIGHT},
    {"START", BUTTON_START}, {"SELECT", BUTTON_SELECT},
    {"L", BUTTON_L},         {"R", BUTTON_R},
    {"A", BUTTON_A},         {"B", BUTTON_B},
    {"Y", BUTTON_Y},         {"X", BUTTON_X},
};

int buttonNamed(const std::string& word) {
    for (const Name& n : BUTTON_NAMES) {
        if (word == n.word) {
            return n.button;
        }
    }
    return -1;
}

struct ScriptError {
    int line;
    std::string message;
};

std::string trim(const std::string& s) {
    size_t a = s.find_first_not_of(" \t\r");
    size_t b = s.find_last_not_of(" \t\r");
    return a == std::string::npos ? "" : s.substr(a, b - a + 1);
}

std::vector<std::string> words(const std::string& s) {
    std::istringstream in(s);
    std::vector<std::string> out;
    for (std::string w; in >> w;) {
        out.push_back(w);
    }
    return out;
}

// One command of a step; false with `error` set when it makes no sense.
bool addCommand(const std::string& text, ScriptStep& step, int* idle, std::string* error) {
    std::vector<std::string> w = words(text);
    if (w.empty()) {
        *error = "empty command";
        return false;
    }
    const std::string& verb = w[0];
    if (verb == "press" || verb == "hold" || verb == "release") {
        if (w.size() < 2) {
            *error = "'" + verb + "' needs at least one button";
            return false;
        }
        for (size_t i = 1; i < w.size(); ++i) {
            int b = buttonNamed(w[i]);
            if (b < 0) {
                *error = "unknown button '" + w[i] + "'";
                return false;
            }
            (verb == "press"  ? step.presses
             : verb == "hold" ? step.hold
                              : step.release)
                .push_back(b);
        }
        return true;
    }
    if (verb == "idle") {
        if (w.size() != 2 || w[1].find_first_not_of("0123456789") != std::string::npos ||
            w[1].size() > 6) {
            *error = "'idle' takes one whole number";
            return false;
        }
        *idle = std::atoi(w[1].c_str());
        return true;
    }
    if (verb == "shot") {
        if (w.size() != 2) {
            *error = "'shot' takes one file name";
            return false;
        }
        std::string path = w[1];
        step.look = [path] {
            if (!writeSurfacePng(screen, path.c_str())) {
                std::fprintf(stderr, "hedgerow-replay: could not write %s\n", path.c_str());
                std::exit(1);
            }
        };
        return true;
    }
    *error = "unknown command '" + verb + "'";
    return false;
}

bool parse(std::istream& in, Script* script, ScriptError* error) {
    std::string raw;
    for (int number = 1; std::getline(in, raw); ++number) {
        std::string line = trim(raw.substr(0, raw.find('#')));
        if (line.empty()) {
            continue;
        }
        ScriptStep step;
        int idle = 0;
        std::stringstream parts(line);
        for (std::string part; std::getline(parts, part, ';');) {
            std::string message;
            if (!addCommand(trim(part), step, &idle, &message)) {
                *error = {number, message};
                return false;
            }
        }
        if (idle > 0 &&
            (step.look || !step.presses.empty() || !step.hold.empty() || !step.release.empty())) {
            *error = {number, "'idle' stands on a line of its own"};
            return false;
        }
        if (idle > 0) {
            script->idle(idle);
        } else {
            script->steps.push_back(step);
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: hedgerow-replay SCRIPT\n");
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::fprintf(stderr, "hedgerow-replay: cannot read %s\n", argv[1]);
        return 2;
    }
    Script script;
    ScriptError error{};
    if (!parse(in, &script, &error)) {
        std::fprintf(stderr, "%s:%d: %s\n", argv[1], error.line, error.message.c_str());
        return 2;
    }
    // The replay ends where the script does, wherever the game stands.
    script.finished = [] {
        SDL_Quit();
        std::exit(0);
    };

    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    setClock(0, 1);
    SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO | SDL_INIT_JOYSTICK);
    screen = SDL_SetVideoMode(320, 240, 16, SDL_HWSURFACE | SDL_DOUBLEBUF);
    if (!screen || Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 512) != 0) {
        std::fprintf(stderr, "hedgerow-replay: SDL's dummy drivers did not start: %s\n",
                     SDL_GetError());
        return 1;
    }
    playScript(&script);
    showTitleSplash();
    loadBattleImages();
    runMainCycle();
    SDL_Quit();
    return 0;
}
