#include "harness.h"
#include "rules/rules.h"
#include "shell/shell.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace {

const Uint32 PAPER_R = 192, PAPER_G = 192, PAPER_B = 192;

// Whether the screen's 6x24 cell at (sx, sy) shows the font cell at fontX: the
// font's black lets the paper show, every other pixel is drawn.
bool showsGlyph(int fontX, int sx, int sy) {
    for (int y = 0; y < GLYPH_HEIGHT; ++y) {
        for (int x = 0; x < GLYPH_WIDTH; ++x) {
            SDL_Color c = surfaceColour(fontSurface, fontX + x, y);
            bool black = c.r == 0 && c.g == 0 && c.b == 0;
            Uint32 expected =
                black ? displayColour(PAPER_R, PAPER_G, PAPER_B) : displayColour(c.r, c.g, c.b);
            if (screenPixel(sx + x, sy + y) != expected) {
                return false;
            }
        }
    }
    return true;
}

bool blank(int sx, int sy) {
    for (int y = 0; y < GLYPH_HEIGHT; ++y) {
        for (int x = 0; x < GLYPH_WIDTH; ++x) {
            if (screenPixel(sx + x, sy + y) != displayColour(PAPER_R, PAPER_G, PAPER_B)) {
                return false;
            }
        }
    }
    return true;
}

struct TextCase {
    const char* meaning;
    const char* text;
    std::vector<int> cells; // font cell x for each character, -1 for a blank cell
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.meaning;
}

class Text : public ::testing::TestWithParam<TextCase> {
  protected:
    void SetUp() override {
        ASSERT_NE(nullptr, fontSurface) << "graficos/fuente.bmp did not load";
        fillScreen(PAPER_R, PAPER_G, PAPER_B);
    }
};

// A character's place depends only on its index: a byte without a glyph still
// takes its 6 pixels.
TEST_P(Text, EachByteTakesOneCell) {
    const TextCase& c = GetParam();
    const int x = 298;
    const int y = 177;
    drawText(c.text, x, y, fontSurface, screen, 0, 0, 0);
    for (size_t i = 0; i < c.cells.size(); ++i) {
        int at = x + 6 * static_cast<int>(i);
        if (c.cells[i] < 0) {
            EXPECT_TRUE(blank(at, y)) << "character " << i;
        } else {
            EXPECT_TRUE(showsGlyph(c.cells[i], at, y)) << "character " << i;
        }
    }
    EXPECT_TRUE(blank(x + 6 * static_cast<int>(c.cells.size()), y)) << "nothing after the text";
}

INSTANTIATE_TEST_SUITE_P(
    Strings, Text,
    ::testing::Values(TextCase{"Empty", "", {}}, TextCase{"Twelve", "12", {318, 324}},
                      TextCase{"MinusTwoShowsABlankCellFirst", "-2", {-1, 324}},
                      TextCase{"LetterSpaceCapital", "a Z", {0, -1, 306}},
                      TextCase{"PunctuationHasNoGlyph", "[/\n", {-1, -1, -1}},
                      TextCase{"HighBytesHaveNoGlyph",
                               "\xe9"
                               "9",
                               {-1, 366}},
                      TextCase{"LowerUpperDigit", "zA0", {150, 156, 312}}),
    [](const auto& info) { return std::string(info.param.meaning); });

TEST_F(Text, DrawingTwiceLooksLikeDrawingOnce) {
    drawText("10", 100, 100, fontSurface, screen, 0, 0, 0);
    drawText("10", 100, 100, fontSurface, screen, 0, 0, 0);
    EXPECT_TRUE(showsGlyph(318, 100, 100));
    EXPECT_TRUE(showsGlyph(312, 106, 100));
}

TEST_F(Text, TheFontKeepsTheKeyOfTheLastGlyph) {
    drawText("7", 0, 0, fontSurface, screen, 0, 0, 0);
    EXPECT_TRUE(fontSurface->flags & SDL_SRCCOLORKEY);
    EXPECT_EQ(SDL_MapRGB(fontSurface->format, 0, 0, 0), fontSurface->format->colorkey);
}

TEST_F(Text, CellsPastTheScreenEdgeAreCut) {
    drawText("88", 314, 0, fontSurface, screen, 0, 0, 0);
    for (int y = 0; y < GLYPH_HEIGHT; ++y) {
        for (int x = 0; x < GLYPH_WIDTH; ++x) {
            SDL_Color c = surfaceColour(fontSurface, 360 + x, y);
            bool black = c.r == 0 && c.g == 0 && c.b == 0;
            ASSERT_EQ(black ? displayColour(PAPER_R, PAPER_G, PAPER_B)
                            : displayColour(c.r, c.g, c.b),
                      screenPixel(314 + x, y));
        }
    }
}

TEST(TextWithoutFont, DrawsNothing) {
    fillScreen(PAPER_R, PAPER_G, PAPER_B);
    drawText("12", 10, 10, nullptr, screen, 0, 0, 0);
    EXPECT_TRUE(blank(10, 10));
    EXPECT_TRUE(blank(16, 10));
}

} // namespace
