#include "harness.h"
#include "shell/embedded_images.h"
#include "shell/shell.h"

#include <SDL_image.h>

#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr int PALETTE = 3;
constexpr int RGB = 2;

struct PictureCase {
    const char* name;
    const unsigned char* data;
    unsigned int size;
    int w, h;
    int colourType;
    int bitDepth;
    int keyR, keyG, keyB; // -1: no key
    bool keyedBackground;
};

void PrintTo(const PictureCase& c, std::ostream* os) {
    *os << c.name;
}

const PictureCase PICTURES[] = {
    {"menuBackground", menuBackgroundImage, menuBackgroundImageSize, 320, 240, PALETTE, 8, -1, -1,
     -1, false},
    {"menuPointer", menuPointerImage, menuPointerImageSize, 16, 13, PALETTE, 8, 192, 192, 192,
     true},
    {"flag1", flagImage1, flagImage1Size, 39, 20, PALETTE, 8, -1, -1, -1, false},
    {"flag2", flagImage2, flagImage2Size, 40, 20, PALETTE, 8, -1, -1, -1, false},
    {"flag3", flagImage3, flagImage3Size, 39, 20, PALETTE, 8, -1, -1, -1, false},
    {"portrait3", portraitImage3, portraitImage3Size, 23, 23, PALETTE, 8, 192, 192, 192, true},
    {"portrait2", portraitImage2, portraitImage2Size, 23, 23, PALETTE, 8, 192, 192, 192, true},
    {"portrait1", portraitImage1, portraitImage1Size, 23, 23, PALETTE, 8, 192, 192, 192, true},
    {"armourSheet3", armourSheet3, armourSheet3Size, 64, 256, PALETTE, 8, 192, 192, 192, true},
    {"armourSheet2", armourSheet2, armourSheet2Size, 64, 256, PALETTE, 8, 192, 192, 192, true},
    {"armourSheet1", armourSheet1, armourSheet1Size, 64, 256, PALETTE, 8, 192, 192, 192, true},
    {"infantrySheet3", infantrySheet3, infantrySheet3Size, 192, 384, PALETTE, 8, 192, 192, 192,
     true},
    {"infantrySheet2", infantrySheet2, infantrySheet2Size, 192, 384, PALETTE, 8, 192, 192, 192,
     true},
    {"infantrySheet1", infantrySheet1, infantrySheet1Size, 192, 384, PALETTE, 8, 192, 192, 192,
     true},
    {"tileset", tilesetImage, tilesetImageSize, 257, 32, PALETTE, 8, 0, 0, 0, false},
    {"statsPanel", statsPanelImage, statsPanelImageSize, 100, 100, PALETTE, 8, -1, -1, -1, false},
    {"attackScreen", attackScreenImage, attackScreenImageSize, 320, 240, PALETTE, 8, -1, -1, -1,
     false},
    {"bannerStrip", bannerStripImage, bannerStripImageSize, 320, 16, RGB, 8, -1, -1, -1, false},
    {"menuHighlight", menuHighlightImage, menuHighlightImageSize, 100, 26, RGB, 8, 255, 255, 255,
     false},
    {"moveRange", moveRangeImage, moveRangeImageSize, 160, 160, RGB, 8, 255, 255, 255, true},
    {"cursor", cursorImage, cursorImageSize, 32, 32, PALETTE, 2, 255, 255, 255, false},
    {"pauseMenu", pauseMenuImage, pauseMenuImageSize, 100, 100, RGB, 8, -1, -1, -1, false},
    {"commandMenu", commandMenuImage, commandMenuImageSize, 100, 100, RGB, 8, -1, -1, -1, false},
    {"attackCursor", attackCursorImage, attackCursorImageSize, 32, 32, RGB, 8, 255, 255, 255,
     false},
    {"titleSplash", titleSplashImage, titleSplashImageSize, 320, 240, RGB, 8, -1, -1, -1, false},
};

SDL_Surface* decode(const PictureCase& p) {
    SDL_RWops* stream = SDL_RWFromMem(const_cast<unsigned char*>(p.data), static_cast<int>(p.size));
    SDL_Surface* s = IMG_Load_RW(stream, 1);
    return s;
}

bool hasChunk(const PictureCase& p, const char* type) {
    for (size_t at = 8; at + 8 <= p.size;) {
        Uint32 length =
            (p.data[at] << 24) | (p.data[at + 1] << 16) | (p.data[at + 2] << 8) | p.data[at + 3];
        if (std::memcmp(p.data + at + 4, type, 4) == 0) {
            return true;
        }
        at += 12 + length;
    }
    return false;
}

bool same(SDL_Color c, int r, int g, int b) {
    return c.r == r && c.g == g && c.b == b;
}

class Pictures : public ::testing::TestWithParam<PictureCase> {};
class KeyedPictures : public ::testing::TestWithParam<PictureCase> {};

std::vector<PictureCase> keyedPictures() {
    std::vector<PictureCase> keyed;
    for (const PictureCase& p : PICTURES) {
        if (p.keyR >= 0) {
            keyed.push_back(p);
        }
    }
    return keyed;
}

TEST_P(Pictures, StoredAsTheCatalogueSays) {
    const PictureCase& p = GetParam();
    ASSERT_GT(p.size, 33u);
    EXPECT_EQ(0, std::memcmp(p.data, "\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(p.bitDepth, p.data[24]);
    EXPECT_EQ(p.colourType, p.data[25]);
    EXPECT_FALSE(hasChunk(p, "tRNS")) << "transparency comes only from the colour key";

    SDL_Surface* s = decode(p);
    ASSERT_NE(nullptr, s);
    EXPECT_EQ(p.w, s->w);
    EXPECT_EQ(p.h, s->h);
    SDL_FreeSurface(s);
}

// The key hides exactly the background: counting the pixels the converted,
// keyed surface hides against the pixels of the key colour in the file shows
// any colour of the picture that the 16-bit display would merge into the key.
TEST_P(KeyedPictures, KeyHidesOnlyTheBackground) {
    const PictureCase& p = GetParam();
    SDL_Surface* decoded = decode(p);
    ASSERT_NE(nullptr, decoded);
    if (p.keyedBackground) {
        int keyedCorners = 0;
        for (int corner = 0; corner < 4; ++corner) {
            int x = corner % 2 ? decoded->w - 1 : 0;
            int y = corner / 2 ? decoded->h - 1 : 0;
            keyedCorners += same(surfaceColour(decoded, x, y), p.keyR, p.keyG, p.keyB);
        }
        EXPECT_GT(keyedCorners, 0) << "the background is the key colour";
    }
    int keyInFile = 0;
    for (int y = 0; y < decoded->h; ++y) {
        for (int x = 0; x < decoded->w; ++x) {
            keyInFile += same(surfaceColour(decoded, x, y), p.keyR, p.keyG, p.keyB);
        }
    }
    Sprite loaded{};
    loadSpriteImage(&loaded, &loaded, p.data, p.size, p.keyR, p.keyG, p.keyB);
    Uint32 key = SDL_MapRGB(loaded.surface->format, p.keyR, p.keyG, p.keyB);
    int hidden = 0;
    SDL_LockSurface(loaded.surface);
    for (int y = 0; y < loaded.surface->h; ++y) {
        const Uint16* row = reinterpret_cast<const Uint16*>(
            static_cast<const Uint8*>(loaded.surface->pixels) + y * loaded.surface->pitch);
        for (int x = 0; x < loaded.surface->w; ++x) {
            hidden += row[x] == key;
        }
    }
    SDL_UnlockSurface(loaded.surface);
    EXPECT_EQ(keyInFile, hidden);
    EXPECT_TRUE(loaded.surface->flags & SDL_SRCCOLORKEY);
    EXPECT_FALSE(loaded.surface->flags & SDL_RLEACCEL);
    if (std::string(p.name) == "tileset") {
        EXPECT_EQ(0, hidden) << "no tile pixel may turn black";
    }
    freeSprite(&loaded);
    SDL_FreeSurface(decoded);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, Pictures, ::testing::ValuesIn(PICTURES),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(Catalogue, KeyedPictures, ::testing::ValuesIn(keyedPictures()),
                         [](const auto& info) { return std::string(info.param.name); });

SDL_Surface* decodeNamed(const char* name) {
    for (const PictureCase& p : PICTURES) {
        if (std::string(p.name) == name) {
            return decode(p);
        }
    }
    return nullptr;
}

bool isColour(SDL_Surface* s, int x, int y, int r, int g, int b) {
    return same(surfaceColour(s, x, y), r, g, b);
}

// The frame must sit on the red margin around each line's white bar.
TEST(PictureLayout, HighlightFrameWidths) {
    SDL_Surface* s = decodeNamed("menuHighlight");
    for (int y = 0; y < 26; ++y) {
        for (int x = 0; x < 100; ++x) {
            bool frame = x <= 4 || x >= 96 || y <= 3 || y >= 21;
            ASSERT_TRUE(frame ? isColour(s, x, y, 0, 0, 0) : isColour(s, x, y, 255, 255, 255))
                << "at " << x << ", " << y;
        }
    }
    SDL_FreeSurface(s);
}

TEST(PictureLayout, MoveRangeOutlinesThirteenSquaresOfADiamond) {
    SDL_Surface* s = decodeNamed("moveRange");
    auto inDiamond = [](int c, int r) {
        return c >= 0 && r >= 0 && c < 5 && r < 5 && std::abs(c - 2) + std::abs(r - 2) <= 2;
    };
    auto blueNear = [s](int x0, int y0, int x1, int y1) {
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                if (x >= 0 && y >= 0 && x < 160 && y < 160 && isColour(s, x, y, 22, 159, 237)) {
                    return true;
                }
            }
        }
        return false;
    };
    int squares = 0;
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 5; ++c) {
            int x = 32 * c;
            int y = 32 * r;
            bool mine = inDiamond(c, r);
            squares += mine;
            EXPECT_FALSE(blueNear(x + 2, y + 2, x + 29, y + 29)) << "inside square " << c << r;
            EXPECT_EQ(mine || inDiamond(c, r - 1), blueNear(x + 16, y - 1, x + 16, y + 1));
            EXPECT_EQ(mine || inDiamond(c, r + 1), blueNear(x + 16, y + 30, x + 16, y + 32));
            EXPECT_EQ(mine || inDiamond(c - 1, r), blueNear(x - 1, y + 16, x + 1, y + 16));
            EXPECT_EQ(mine || inDiamond(c + 1, r), blueNear(x + 30, y + 16, x + 32, y + 16));
        }
    }
    EXPECT_EQ(13, squares);
    SDL_FreeSurface(s);
}

struct Bars {
    const char* name;
    int x0, x1;
    int y[4][2];
};

void PrintTo(const Bars& c, std::ostream* os) {
    *os << c.name;
}

class MenuBars : public ::testing::TestWithParam<Bars> {};

// The highlight frame is drawn at 0, 26, 51 and 75: the bars must lie inside it.
TEST_P(MenuBars, WhiteBarsOnRed) {
    const Bars& b = GetParam();
    SDL_Surface* s = decodeNamed(b.name);
    for (const auto& bar : b.y) {
        for (int y = bar[0]; y <= bar[1]; ++y) {
            EXPECT_TRUE(isColour(s, b.x0, y, 255, 255, 255)) << y;
            EXPECT_TRUE(isColour(s, b.x1, y, 255, 255, 255)) << y;
            EXPECT_TRUE(isColour(s, b.x0 - 1, y, 255, 0, 0)) << y;
            EXPECT_TRUE(isColour(s, b.x1 + 1, y, 255, 0, 0)) << y;
        }
        for (int x = b.x0; x <= b.x1; ++x) {
            EXPECT_TRUE(isColour(s, x, bar[0], 255, 255, 255)) << x;
            EXPECT_TRUE(isColour(s, x, bar[1], 255, 255, 255)) << x;
            EXPECT_TRUE(isColour(s, x, bar[0] - 1, 255, 0, 0)) << x;
            EXPECT_TRUE(isColour(s, x, bar[1] + 1, 255, 0, 0)) << x;
        }
    }
    SDL_FreeSurface(s);
}

INSTANTIATE_TEST_SUITE_P(
    BothMenus, MenuBars,
    ::testing::Values(Bars{"pauseMenu", 5, 95, {{5, 20}, {30, 45}, {55, 70}, {80, 95}}},
                      Bars{"commandMenu", 4, 96, {{4, 21}, {30, 47}, {54, 71}, {79, 96}}}),
    [](const auto& info) { return std::string(info.param.name); });

// Eight opaque tiles and a ninth column of the grass tile's colours.
TEST(PictureLayout, TilesetColumns) {
    SDL_Surface* s = decodeNamed("tileset");
    for (int y = 0; y < 32; ++y) {
        SDL_Color extra = surfaceColour(s, 256, y);
        bool grassy = false;
        for (int x = 224; x < 256 && !grassy; ++x) {
            SDL_Color g = surfaceColour(s, x, y);
            grassy = g.r == extra.r && g.g == extra.g && g.b == extra.b;
        }
        EXPECT_TRUE(grassy) << "row " << y;
    }
    // Each tile differs from the next: the columns hold eight different grounds.
    for (int k = 0; k < 7; ++k) {
        int differing = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                SDL_Color a = surfaceColour(s, 32 * k + x, y);
                SDL_Color b = surfaceColour(s, 32 * (k + 1) + x, y);
                differing += a.r != b.r || a.g != b.g || a.b != b.b;
            }
        }
        EXPECT_GT(differing, 32) << "tiles " << k << " and " << k + 1;
    }
    SDL_FreeSurface(s);
}

// The stats numbers are drawn at cell rows 8 to 18; the panel's labels line up there.
TEST(PictureLayout, FontCellsHoldTheirGlyphsInRowsEightToEighteen) {
    ASSERT_NE(nullptr, fontSurface);
    EXPECT_GE(fontSurface->w, 372);
    EXPECT_GE(fontSurface->h, 24);
    for (int cell = 0; cell < 62; ++cell) {
        int ink = 0;
        for (int y = 0; y < 24; ++y) {
            for (int x = 0; x < 6; ++x) {
                SDL_Color c = surfaceColour(fontSurface, 6 * cell + x, y);
                bool black = c.r == 0 && c.g == 0 && c.b == 0;
                if (!black) {
                    ++ink;
                    EXPECT_TRUE(y >= 8 && y <= 18) << "cell " << cell << " row " << y;
                }
            }
        }
        EXPECT_GT(ink, 3) << "cell " << cell << " is empty";
    }
}

} // namespace
