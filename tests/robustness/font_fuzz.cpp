#include "platform/script_input.h"
#include "rules/rules.h"
#include "shell/shell.h"

#include <SDL.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

// Arbitrary bytes as graficos/fuente.bmp: opened and decoded with the calls the
// start-up makes, then drawn as the stats panel draws it and as text at the
// edges of the screen, with every glyph.

namespace {

std::string folder;

void removeFolder() {
    std::remove((folder + "/graficos/fuente.bmp").c_str());
    rmdir((folder + "/graficos").c_str());
    rmdir(folder.c_str());
}

bool writeFile(const char* path, const uint8_t* data, size_t size) {
    FILE* out = std::fopen(path, "wb");
    if (!out) {
        return false;
    }
    bool whole = std::fwrite(data, 1, size, out) == size;
    return std::fclose(out) == 0 && whole;
}

// SDL's decoder is not instrumented, so the fuzzer cannot see which of its
// paths an input took. These branches tell it what came out instead, so that
// inputs giving new formats and sizes are kept in the corpus.
volatile int shapeSeen;

void noteShape(const SDL_Surface* font) {
    if (!font) {
        shapeSeen = 0;
        return;
    }
    const SDL_PixelFormat* format = font->format;
    switch (format->BitsPerPixel) {
    case 1:
        shapeSeen = 1;
        break;
    case 4:
        shapeSeen = 2;
        break;
    case 8:
        shapeSeen = format->palette && format->palette->ncolors < 256 ? 3 : 4;
        break;
    case 15:
    case 16:
        shapeSeen = 5;
        break;
    case 24:
        shapeSeen = 6;
        break;
    case 32:
        shapeSeen = format->Amask ? 7 : 8;
        break;
    default:
        shapeSeen = 9;
        break;
    }
    if (font->w < GLYPH_WIDTH) {
        shapeSeen = shapeSeen + 10;
    } else if (font->w < 62 * GLYPH_WIDTH) {
        shapeSeen = shapeSeen + 20;
    }
    if (font->h < GLYPH_HEIGHT) {
        shapeSeen = shapeSeen + 40;
    }
}

const char* const TEXTS[] = {
    "abcdefghijklmnopqrstuvwxyz",
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ",
    "0123456789",
    "-999",
    "\xff\x80 \x01z9",
};

struct Place {
    int32_t x, y;
};

// Inside the screen, across each edge, and off it to each side.
const Place PLACES[] = {{0, 0},      {298, 177}, {316, 230}, {-4, -20},  {-200, 100},
                        {100, -100}, {400, 300}, {70000, 5}, {5, -70000}};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    char pattern[] = "/tmp/hedgerow-font-fuzz-XXXXXX";
    if (!mkdtemp(pattern)) {
        std::perror("mkdtemp");
        std::exit(1);
    }
    folder = pattern;
    if (mkdir((folder + "/graficos").c_str(), 0700) != 0 || chdir(folder.c_str()) != 0) {
        std::perror(folder.c_str());
        std::exit(1);
    }
    std::atexit(removeFolder);
    SDL_Init(SDL_INIT_VIDEO | SDL_INIT_JOYSTICK);
    screen = SDL_SetVideoMode(320, 240, 16, SDL_HWSURFACE | SDL_DOUBLEBUF);
    if (!screen) {
        std::fprintf(stderr, "no screen: %s\n", SDL_GetError());
        std::exit(1);
    }
    // With no font file here yet, this is the loader's own answer to a missing font.
    loadBattleImages();
    setupBattlefield(MAP_ROWS, MAP_COLS, 0, 0);
    setupBattle();
    // Every reading of the clock is a whole frame later, so no frame waits.
    setClock(0, 1000);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!writeFile("graficos/fuente.bmp", data, size)) {
        std::perror("graficos/fuente.bmp");
        std::abort();
    }
    SDL_RWops* file = SDL_RWFromFile("graficos/fuente.bmp", "rb");
    fontSurface = SDL_LoadBMP_RW(file, 1);
    noteShape(fontSurface);

    statsPanel.x = STATS_PANEL_X;
    statsPanel.y = STATS_PANEL_Y;
    statsPanel.state = STATE_ACTIVE;
    std::snprintf(lifeText, sizeof lifeText, "%d", 9999);
    std::snprintf(strengthText, sizeof strengthText, "%d", -999);
    std::snprintf(defenseText, sizeof defenseText, "%d", 1234567);
    renderBattleFrame();
    for (const char* text : TEXTS) {
        for (const Place& at : PLACES) {
            drawText(text, at.x, at.y, fontSurface, screen, 0, 0, 0);
        }
    }
    // A key that only a true-colour font can hold exactly.
    drawText("0123456789", 10, 10, fontSurface, screen, 255, 128, 1);

    SDL_FreeSurface(fontSurface);
    fontSurface = nullptr;
    return 0;
}
