#include "child.h"
#include "font_files.h"
#include "rules/rules.h"

#include <SDL.h>
#include <SDL_image.h>

#include <fstream>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <sys/stat.h>

namespace {

// The whole game, headless, from the splash to the end of the main cycle: into
// a battle, the command menu opened over soldier 3 and closed on CANCEL, the
// stats panel held up over it and photographed, out through EXIT GAME and
// EXIT. Soldier 3 has life 10, strength 7 and defense 4 when a battle starts.
const char* const PLAY = R"(press START
press START
press LEFT UP
hold X; press X
press DOWN DOWN DOWN A
release X; hold R
idle 3
shot panel.png
release R; press START
press DOWN DOWN DOWN START
press DOWN DOWN START
)";

struct Cell {
    int x, y;  // on the screen
    int fontX; // in the font
};

// Where the three numbers of soldier 3 are drawn, one cell a character.
const Cell NUMBER_CELLS[] = {
    {STATS_PANEL_X + 78, STATS_PANEL_Y + 37, 6 * (52 + 1)},
    {STATS_PANEL_X + 78 + 6, STATS_PANEL_Y + 37, 6 * (52 + 0)},
    {STATS_PANEL_X + 78, STATS_PANEL_Y + 53, 6 * (52 + 7)},
    {STATS_PANEL_X + 78, STATS_PANEL_Y + 69, 6 * (52 + 4)},
};

// Whether a red font drew (x, y): inside a cell, and inside the part of
// the cell that the font holds.
bool drawnByFont(int x, int y, int fontWidth, int fontHeight) {
    for (const Cell& c : NUMBER_CELLS) {
        int dx = x - c.x;
        int dy = y - c.y;
        if (dx >= 0 && dx < GLYPH_WIDTH && dy >= 0 && dy < GLYPH_HEIGHT &&
            c.fontX + dx < fontWidth && dy < fontHeight) {
            return true;
        }
    }
    return false;
}

bool red(SDL_Surface* shot, int x, int y) {
    SDL_LockSurface(shot);
    const Uint8* p =
        static_cast<const Uint8*>(shot->pixels) + y * shot->pitch + x * shot->format->BytesPerPixel;
    Uint32 value = 0;
    for (int i = 0; i < shot->format->BytesPerPixel; ++i) {
        value |= static_cast<Uint32>(p[i]) << (8 * i);
    }
    SDL_UnlockSurface(shot);
    Uint8 r, g, b;
    SDL_GetRGB(value, shot->format, &r, &g, &b);
    return r > 200 && g < 60 && b < 60;
}

void layOut(const FontCase& font, const std::string& folder) {
    const std::string path = folder + "/graficos/fuente.bmp";
    ASSERT_EQ(0, mkdir((folder + "/graficos").c_str(), 0755));
    switch (font.layout) {
    case FontLayout::Missing:
        break;
    case FontLayout::Directory:
        ASSERT_EQ(0, mkdir(path.c_str(), 0755));
        break;
    case FontLayout::File: {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(font.bytes.data()),
                  static_cast<std::streamsize>(font.bytes.size()));
        ASSERT_TRUE(out.good());
        break;
    }
    }
    std::ofstream(folder + "/play.txt") << PLAY;
}

class HostileFont : public ::testing::TestWithParam<FontCase> {};

// Whatever lies at the font's path, the game plays through and ends as it
// should, and the stats panel shows the font's cells cut to the font's size.
TEST_P(HostileFont, TheGamePlaysThroughAndDrawsOnlyWhatTheFontHolds) {
    const FontCase& font = GetParam();
    const std::string folder = freshFolder(std::string("font-") + font.name);
    layOut(font, folder);
    ChildRun run = runChild(HEDGEROW_REPLAY, {"play.txt"}, folder, {}, 120);
    ASSERT_EQ(0, run.status) << run.err << "\nreplay it: cd " << folder << " && " << HEDGEROW_REPLAY
                             << " play.txt";
    EXPECT_EQ("", run.err);

    SDL_Surface* shot = IMG_Load((folder + "/panel.png").c_str());
    ASSERT_NE(nullptr, shot) << IMG_GetError();
    int wrong = 0;
    std::string first;
    for (int y = STATS_PANEL_Y; y < 240; ++y) {
        for (int x = STATS_PANEL_X; x < 320; ++x) {
            bool expected = drawnByFont(x, y, font.loadedWidth, font.loadedHeight);
            if (red(shot, x, y) != expected) {
                if (wrong++ == 0) {
                    first = "(" + std::to_string(x) + ", " + std::to_string(y) + ") " +
                            (expected ? "not drawn" : "drawn");
                }
            }
        }
    }
    SDL_FreeSurface(shot);
    EXPECT_EQ(0, wrong) << "first at " << first << "; font taken as " << font.loadedWidth << "x"
                        << font.loadedHeight << "; see " << folder << "/panel.png";
}

INSTANTIATE_TEST_SUITE_P(AtTheFontsPath, HostileFont, ::testing::ValuesIn(hostileFonts()),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
