#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The drawing surface of the art generator: a plain grid of 24-bit colours.
// Every picture of the game is painted onto one of these and then written
// out as PNG (or, for the font, BMP) by the writers in picture_files.h.

struct Rgb {
    uint8_t r, g, b;
    bool operator==(const Rgb&) const = default;
};

// Darken or lighten a colour by a factor (0.0 black .. 1.0 same .. 2.0 brighter).
Rgb shade(Rgb c, double factor);
// Linear mix of two colours, t = 0 gives a, t = 1 gives b.
Rgb mix(Rgb a, Rgb b, double t);

struct Canvas {
    int w = 0;
    int h = 0;
    std::vector<Rgb> px;

    Canvas() = default;
    Canvas(int width, int height, Rgb fill);

    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    // Writes outside the canvas are dropped, so shapes may hang over the edge.
    void set(int x, int y, Rgb c);
    Rgb get(int x, int y) const { return px[static_cast<size_t>(y) * w + x]; }

    // Rectangles take inclusive corners, the way the picture catalogue measures them.
    void fill(int x0, int y0, int x1, int y1, Rgb c);
    void outline(int x0, int y0, int x1, int y1, Rgb c, int thickness = 1);
    void line(int x0, int y0, int x1, int y1, Rgb c);
    void thickLine(int x0, int y0, int x1, int y1, Rgb c, int thickness);
    void disc(int cx, int cy, int radius, Rgb c);
    void ellipse(int cx, int cy, int rx, int ry, Rgb c);
    // Replace every pixel of colour `from` in the inclusive rectangle by `to`.
    void recolour(int x0, int y0, int x1, int y1, Rgb from, Rgb to);

    // Copy `src` with its top-left at (dx, dy); pixels equal to `key` are skipped
    // when `useKey` is set.
    void paste(const Canvas& src, int dx, int dy, bool useKey = false, Rgb key = {0, 0, 0});
    Canvas crop(int x, int y, int width, int height) const;
    Canvas mirrored() const;

    // A one-pixel outline of colour `ink` around every pixel that differs from
    // `background`, drawn onto background pixels only.
    void outlineShapes(Rgb background, Rgb ink);
};

// Build a canvas from rows of characters, each character looked up in the
// legend ("." -> background and so on). Every row must be `width` long.
struct LegendEntry {
    char symbol;
    Rgb colour;
};
Canvas fromGrid(const std::vector<std::string>& rows, const std::vector<LegendEntry>& legend);
// Paint a grid onto an existing canvas at (dx, dy); the symbol ' ' and any
// symbol missing from the legend leave the canvas as it is.
void paintGrid(Canvas& canvas, int dx, int dy, const std::vector<std::string>& rows,
               const std::vector<LegendEntry>& legend);

// Capital letters, digits and a little punctuation in a 5x7 pixel face.
// `drawLetters` draws at an integer scale; `drawLettersInBox` stretches the
// face so that the inked pixels fill the inclusive box exactly, which is how
// the words of the menus are placed to the catalogue's measures.
int lettersWidth(const std::string& text, int scale, int spacing);
void drawLetters(Canvas& canvas, int x, int y, const std::string& text, Rgb c, int scale = 1,
                 int spacing = 1);
void drawLettersInBox(Canvas& canvas, int x0, int y0, int x1, int y1, const std::string& text,
                      Rgb c, int spacing = 1);
// The inclusive bounding box of every pixel that is not `background`.
struct Box {
    int x0, y0, x1, y1;
};
Box inkBox(const Canvas& canvas, Rgb background, int x0, int y0, int x1, int y1);
