#include "harness.h"
#include "shell/shell.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

// A frame whose every pixel tells where it came from: red counts columns,
// green counts rows.
Uint32 marker(int x, int y) {
    return displayColour(x * 8 % 256, y * 8 % 256, 200);
}

SDL_Surface* markedSurface(int w, int h) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 16, screen->format->Rmask,
                                          screen->format->Gmask, screen->format->Bmask, 0);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            SDL_Rect r{static_cast<Sint16>(x), static_cast<Sint16>(y), 1, 1};
            SDL_FillRect(s, &r, marker(x, y));
        }
    }
    return s;
}

const Uint32 PAPER = 0;

class Drawing : public ::testing::Test {
  protected:
    Sprite sprite{};
    void SetUp() override {
        freshBattle();
        fillScreen(0, 0, 0);
        sprite.surface = markedSurface(64, 64);
        sprite.w = 32;
        sprite.h = 32;
        sprite.state = STATE_ACTIVE;
    }
    void TearDown() override { SDL_FreeSurface(sprite.surface); }

    int paintedColumns() {
        int columns = 0;
        for (int x = 0; x < 320; ++x) {
            bool painted = false;
            for (int y = 0; y < 240 && !painted; ++y) {
                painted = screenPixel(x, y) != PAPER;
            }
            columns += painted;
        }
        return columns;
    }
};

TEST_F(Drawing, LeftEdgeCutsTheFrameColumnByColumn) {
    sprite.x = -32;
    drawSpriteInView(&sprite, screen);
    EXPECT_EQ(0, paintedColumns()) << "at -w nothing shows";

    sprite.x = -31;
    drawSpriteInView(&sprite, screen);
    EXPECT_EQ(1, paintedColumns());
    EXPECT_EQ(marker(31, 0), screenPixel(0, 0)) << "the frame's last column, at screen x 0";
    EXPECT_EQ(marker(31, 31), screenPixel(0, 31));
}

TEST_F(Drawing, TopEdgeDropsTheRowsAboveTheScreen) {
    sprite.x = 40;
    sprite.y = -5;
    drawSpriteInView(&sprite, screen);
    EXPECT_EQ(marker(0, 5), screenPixel(40, 0));
    EXPECT_EQ(marker(31, 31), screenPixel(71, 26));
    EXPECT_EQ(PAPER, screenPixel(40, 27));
}

TEST_F(Drawing, FrameAndSheetRowChooseTheSource) {
    sprite.x = 100;
    sprite.y = 50;
    sprite.frame = 1;
    sprite.sheetRow = 32;
    drawSpriteInView(&sprite, screen);
    EXPECT_EQ(marker(32, 32), screenPixel(100, 50));
    EXPECT_EQ(marker(63, 63), screenPixel(131, 81));
    EXPECT_EQ(PAPER, screenPixel(132, 50));
}

TEST_F(Drawing, RightAndBottomEdgesAreCutByTheBlit) {
    sprite.x = 300;
    sprite.y = 230;
    drawSpriteInView(&sprite, screen);
    EXPECT_EQ(marker(0, 0), screenPixel(300, 230));
    EXPECT_EQ(marker(19, 9), screenPixel(319, 239));
    EXPECT_EQ(20, paintedColumns());
}

// Positions go through 16-bit rectangle fields.
TEST_F(Drawing, PositionIsTakenToSixteenBits) {
    sprite.x = 65536 + 10;
    sprite.y = 65536 + 20;
    drawSpriteInView(&sprite, screen);
    EXPECT_EQ(marker(0, 0), screenPixel(10, 20));
}

TEST_F(Drawing, NullSpriteDrawsNothing) {
    drawSpriteInView(nullptr, screen);
    drawSprite(nullptr, screen);
    EXPECT_EQ(0, paintedColumns());
}

TEST_F(Drawing, DrawSpriteShowsTheWholeSheetWhateverItsFrame) {
    Sprite* soldier = &playerSquad[0];
    soldier->x = 0;
    soldier->y = 0;
    soldier->frame = 3;
    fillScreen(255, 0, 255);
    drawSprite(soldier, screen);
    Uint32 key = SDL_MapRGB(soldier->surface->format, 192, 192, 192);
    int mismatches = 0;
    SDL_LockSurface(soldier->surface);
    for (int y = 0; y < 240; ++y) {
        const Uint16* row = reinterpret_cast<const Uint16*>(
            static_cast<const Uint8*>(soldier->surface->pixels) + y * soldier->surface->pitch);
        for (int x = 0; x < 192; ++x) {
            Uint32 expected = row[x] == key ? displayColour(255, 0, 255) : row[x];
            mismatches += screenPixel(x, y) != expected;
        }
    }
    SDL_UnlockSurface(soldier->surface);
    EXPECT_EQ(0, mismatches);
    EXPECT_EQ(displayColour(255, 0, 255), screenPixel(192, 0));
}

TEST_F(Drawing, DrawSpriteAtMovesTheSpriteAndIgnoresItsFrame) {
    sprite.frame = 1;
    drawSpriteAt(&sprite, 7, 9);
    EXPECT_EQ(7, sprite.x);
    EXPECT_EQ(9, sprite.y);
    EXPECT_EQ(marker(0, 0), screenPixel(7, 9));
    EXPECT_EQ(marker(63, 63), screenPixel(70, 72));
}

struct OverlapCase {
    const char* meaning;
    int ax, ay, aw, ah, aState;
    int bx, by, bw, bh, bState;
    int overlap;
    int target;
};

void PrintTo(const OverlapCase& c, std::ostream* os) {
    *os << c.meaning;
}

class Overlap : public ::testing::TestWithParam<OverlapCase> {};

TEST_P(Overlap, HalfOpenRectanglesAndStates) {
    const OverlapCase& c = GetParam();
    Sprite a{};
    Sprite b{};
    a.x = c.ax, a.y = c.ay, a.w = c.aw, a.h = c.ah, a.state = c.aState;
    b.x = c.bx, b.y = c.by, b.w = c.bw, b.h = c.bh, b.state = c.bState;
    EXPECT_EQ(c.overlap, spritesOverlap(&a, &b));
    EXPECT_EQ(c.target, targetOverlaps(&a, &b));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Overlap,
    ::testing::Values(
        OverlapCase{"TouchingEdgesDoNotOverlap", 0, 0, 32, 32, 1, 32, 0, 32, 32, 1, 0, 0},
        OverlapCase{"OnePixelInOverlaps", 0, 0, 32, 32, 1, 31, 0, 32, 32, 1, 1, 0},
        OverlapCase{"TouchingBelowDoesNotOverlap", 0, 0, 32, 32, 1, 0, 32, 32, 32, 1, 0, 0},
        OverlapCase{"InactiveFirst", 5, 5, 32, 32, 0, 5, 5, 32, 32, 1, 0, 0},
        OverlapCase{"InactiveSecond", 5, 5, 32, 32, 1, 5, 5, 32, 32, 0, 0, 0},
        OverlapCase{"TargetingFirstOnlyForTargetOverlaps", 5, 5, 32, 32, 2, 5, 5, 32, 32, 1, 0, 1},
        OverlapCase{"TargetingSecondNeverMatches", 5, 5, 32, 32, 2, 5, 5, 32, 32, 2, 0, 0},
        OverlapCase{"SmallEnemyFrame", 192, 128, 32, 32, 1, 221, 128, 29, 30, 1, 1, 0},
        OverlapCase{"PastTheSmallEnemyFrame", 221, 158, 32, 32, 1, 192, 128, 29, 30, 1, 0, 0}),
    [](const auto& info) { return std::string(info.param.meaning); });

} // namespace
