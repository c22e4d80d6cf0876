#include "pictures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Every word on these screens is set to an exact box. Stretching the 5x7 face
// to such boxes gives strokes of uneven width, so the words are built here
// from a block face whose stems, bars and corner cuts are whole pixels at
// every size.

struct Mask {
    int w = 0;
    int h = 0;
    std::vector<uint8_t> on;

    Mask(int width, int height) : w(width), h(height), on(static_cast<size_t>(width) * height, 0) {}
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    bool get(int x, int y) const { return inside(x, y) && on[static_cast<size_t>(y) * w + x]; }
    void set(int x, int y, bool v = true) {
        if (inside(x, y)) {
            on[static_cast<size_t>(y) * w + x] = v ? 1 : 0;
        }
    }
    void rect(int x0, int y0, int x1, int y1, bool v = true) {
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                set(x, y, v);
            }
        }
    }
    void add(const Mask& m, int dx, int dy) {
        for (int y = 0; y < m.h; ++y) {
            for (int x = 0; x < m.w; ++x) {
                if (m.get(x, y)) {
                    set(dx + x, dy + y);
                }
            }
        }
    }
    // Mirror the left half onto the right, for the letters that are symmetric.
    void mirrorLeft() {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                if (get(x, y)) {
                    set(w - 1 - x, y);
                }
            }
        }
    }
};

struct Face {
    int stem;        // width of the upright strokes
    int bar;         // height of the cross strokes
    int chamfer;     // size of the corner cut on the round letters
    int stencil = 0; // width of the stencil breaks; 0 for solid letters
};

int roundInt(double v) {
    return static_cast<int>(std::floor(v + 0.5));
}

// Cut the triangle of `n` pixels per side off a corner; dx and dy point inward.
void cutCorner(Mask& m, int cx, int cy, int dx, int dy, int n) {
    for (int j = 0; j < n; ++j) {
        for (int i = 0; i + j < n; ++i) {
            m.set(cx + dx * i, cy + dy * j, false);
        }
    }
}

// A slanted stroke whose centre runs from (ca, ya) to (cb, yb). Its width
// across each row grows with the slant so that it looks as heavy as a stem.
void slant(Mask& m, double ca, int ya, double cb, int yb, int stem) {
    double dy = yb - ya;
    double dx = cb - ca;
    int t = std::max(stem, roundInt(stem * std::hypot(dx, dy) / std::max(1.0, std::fabs(dy))));
    for (int y = ya; y <= yb; ++y) {
        double c = dy == 0 ? ca : ca + dx * (y - ya) / dy;
        int left = roundInt(c - (t - 1) / 2.0);
        m.rect(left, y, left + t - 1, y);
    }
}

// The upper edge of the middle bar; odd leftovers go above, which keeps the
// lower bowls of B, P and R the larger ones, as the eye expects.
int midTop(int h, int bar) {
    return (h - bar) / 2;
}

void stencilBreak(Mask& m, int x, int width, int y0, int y1) {
    if (width > 0) {
        m.rect(x, y0, x + width - 1, y1, false);
    }
}

Mask blockLetter(char ch, int w, int h, const Face& f) {
    Mask m(w, h);
    const int s = f.stem;
    const int b = f.bar;
    const int c = f.chamfer;
    const int k = f.stencil;
    // A and D take a deeper cut, but a single-pixel face cannot spare one.
    const int deep = c >= 2 ? c + 1 : c;
    const int m0 = midTop(h, b);
    const int m1 = m0 + b - 1;
    auto leftStem = [&](int y0, int y1) { m.rect(0, y0, s - 1, y1); };
    auto rightStem = [&](int y0, int y1) { m.rect(w - s, y0, w - 1, y1); };
    auto top = [&](int x0, int x1) { m.rect(x0, 0, x1, b - 1); };
    auto bottom = [&](int x0, int x1) { m.rect(x0, h - b, x1, h - 1); };
    auto middle = [&](int x0, int x1) { m.rect(x0, m0, x1, m1); };
    auto centreBreak = [&](int y0, int y1) { stencilBreak(m, (w - k) / 2, k, y0, y1); };
    auto stemBreak = [&](int y0, int y1) { stencilBreak(m, s, k, y0, y1); };
    switch (ch) {
    case 'A':
        leftStem(0, h - 1);
        rightStem(0, h - 1);
        top(0, w - 1);
        middle(0, w - 1);
        cutCorner(m, 0, 0, 1, 1, deep);
        cutCorner(m, w - 1, 0, -1, 1, deep);
        centreBreak(0, b - 1);
        break;
    case 'B':
        leftStem(0, h - 1);
        rightStem(0, h - 1);
        top(0, w - 1);
        middle(0, w - 1);
        bottom(0, w - 1);
        cutCorner(m, w - 1, 0, -1, 1, c);
        cutCorner(m, w - 1, h - 1, -1, -1, c);
        cutCorner(m, w - 1, m0 + (b - 1) / 2, -1, -1, std::max(1, c / 2));
        cutCorner(m, w - 1, m0 + b / 2, -1, 1, std::max(1, c / 2));
        stemBreak(0, h - 1);
        break;
    case 'C':
        leftStem(0, h - 1);
        top(0, w - 1);
        bottom(0, w - 1);
        cutCorner(m, 0, 0, 1, 1, c);
        cutCorner(m, 0, h - 1, 1, -1, c);
        break;
    case 'D':
        leftStem(0, h - 1);
        rightStem(0, h - 1);
        top(0, w - 1);
        bottom(0, w - 1);
        cutCorner(m, w - 1, 0, -1, 1, deep);
        cutCorner(m, w - 1, h - 1, -1, -1, deep);
        stemBreak(0, b - 1);
        stemBreak(h - b, h - 1);
        break;
    case 'E':
        leftStem(0, h - 1);
        top(0, w - 1);
        middle(0, w - 1 - std::max(1, w / 8));
        bottom(0, w - 1);
        break;
    case 'F':
        leftStem(0, h - 1);
        top(0, w - 1);
        middle(0, w - 1 - std::max(1, w / 8));
        break;
    case 'G':
        leftStem(0, h - 1);
        top(0, w - 1);
        bottom(0, w - 1);
        rightStem(m0, h - 1);
        middle(w / 2, w - 1);
        cutCorner(m, 0, 0, 1, 1, c);
        cutCorner(m, 0, h - 1, 1, -1, c);
        cutCorner(m, w - 1, h - 1, -1, -1, c);
        break;
    case 'H':
        leftStem(0, h - 1);
        rightStem(0, h - 1);
        middle(0, w - 1);
        break;
    case 'I':
        m.rect(0, 0, w - 1, h - 1);
        break;
    case 'J':
        rightStem(0, h - 1);
        bottom(0, w - 1);
        leftStem(h - std::max(b + 1, h / 3), h - 1);
        cutCorner(m, 0, h - 1, 1, -1, c);
        cutCorner(m, w - 1, h - 1, -1, -1, c);
        break;
    case 'K': {
        leftStem(0, h - 1);
        double armEnd = w - 1 - (s - 1) / 2.0;
        double joint = s + (s - 1) / 2.0;
        slant(m, armEnd, 0, joint, m1, s);
        slant(m, joint, m0, armEnd, h - 1, s);
        break;
    }
    case 'L':
        leftStem(0, h - 1);
        bottom(0, w - 1);
        break;
    case 'M': {
        leftStem(0, h - 1);
        slant(m, s - 1 + (s - 1) / 2.0, 0, (w - 1) / 2.0, h / 2, s);
        m.mirrorLeft();
        break;
    }
    case 'N':
        leftStem(0, h - 1);
        rightStem(0, h - 1);
        slant(m, (s - 1) / 2.0, 0, w - 1 - (s - 1) / 2.0, h - 1, s);
        break;
    case 'O':
        leftStem(0, h - 1);
        rightStem(0, h - 1);
        top(0, w - 1);
        bottom(0, w - 1);
        cutCorner(m, 0, 0, 1, 1, c);
        cutCorner(m, w - 1, 0, -1, 1, c);
        cutCorner(m, 0, h - 1, 1, -1, c);
        cutCorner(m, w - 1, h - 1, -1, -1, c);
        centreBreak(0, b - 1);
        centreBreak(h - b, h - 1);
        break;
    case 'P':
        leftStem(0, h - 1);
        rightStem(0, m1);
        top(0, w - 1);
        middle(0, w - 1);
        cutCorner(m, w - 1, 0, -1, 1, c);
        cutCorner(m, w - 1, m1, -1, -1, c);
        stemBreak(0, m1);
        break;
    case 'Q':
        leftStem(0, h - 1);
        rightStem(0, h - 1);
        top(0, w - 1);
        bottom(0, w - 1);
        cutCorner(m, 0, 0, 1, 1, c);
        cutCorner(m, w - 1, 0, -1, 1, c);
        cutCorner(m, 0, h - 1, 1, -1, c);
        slant(m, w / 2.0, h - h / 3, w - 1 - (s - 1) / 2.0, h - 1, s);
        break;
    case 'R':
        leftStem(0, h - 1);
        rightStem(0, m1);
        top(0, w - 1);
        middle(0, w - 1);
        cutCorner(m, w - 1, 0, -1, 1, c);
        cutCorner(m, w - 1, m1, -1, -1, c);
        slant(m, w - 1 - s - (s - 1) / 2.0, m1, w - 1 - (s - 1) / 2.0, h - 1, s);
        stemBreak(0, m1);
        break;
    case 'S':
        top(0, w - 1);
        leftStem(0, m1);
        middle(0, w - 1);
        rightStem(m0, h - 1);
        bottom(0, w - 1);
        cutCorner(m, 0, 0, 1, 1, c);
        cutCorner(m, w - 1, h - 1, -1, -1, c);
        cutCorner(m, 0, m1, 1, -1, c);
        cutCorner(m, w - 1, m0, -1, 1, c);
        break;
    case 'T':
        top(0, w - 1);
        m.rect((w - s) / 2, 0, (w - s) / 2 + s - 1, h - 1);
        break;
    case 'U':
        leftStem(0, h - 1);
        rightStem(0, h - 1);
        bottom(0, w - 1);
        cutCorner(m, 0, h - 1, 1, -1, c);
        cutCorner(m, w - 1, h - 1, -1, -1, c);
        break;
    case 'V': {
        int straight = h * 2 / 5;
        leftStem(0, straight);
        slant(m, (s - 1) / 2.0, straight, (w - 1) / 2.0, h - 1, s);
        m.mirrorLeft();
        break;
    }
    case 'W': {
        // Three uprights on a common foot: the block form of W stays clear
        // where a pair of thick diagonals would clog.
        leftStem(0, h - 1);
        rightStem(0, h - 1);
        bottom(0, w - 1);
        const int cx = (w - s) / 2;
        const int rise = h * 2 / 5;
        m.rect(cx, rise, cx + s - 1, h - 1);
        cutCorner(m, cx, rise, 1, 1, std::min(c, s / 2));
        cutCorner(m, cx + s - 1, rise, -1, 1, std::min(c, s / 2));
        cutCorner(m, 0, h - 1, 1, -1, c);
        cutCorner(m, w - 1, h - 1, -1, -1, c);
        break;
    }
    case 'X':
        slant(m, (s - 1) / 2.0, 0, w - 1 - (s - 1) / 2.0, h - 1, s);
        m.mirrorLeft();
        break;
    case 'Y':
        slant(m, (s - 1) / 2.0, 0, (w - 1) / 2.0, m1, s);
        m.mirrorLeft();
        m.rect((w - s) / 2, m0, (w - s) / 2 + s - 1, h - 1);
        break;
    case 'Z':
        top(0, w - 1);
        bottom(0, w - 1);
        slant(m, w - 1 - (s - 1) / 2.0, b - 1, (s - 1) / 2.0, h - b, s);
        break;
    case ' ':
        break;
    default:
        std::fprintf(stderr, "no block letter for '%c'\n", ch);
        std::exit(1);
    }
    return m;
}

struct Lettering {
    int letter; // width of an ordinary letter
    int gap;    // least space between two letters
    int space;  // width of a word space, not counting the gaps beside it
    Face face;
    int wide = 0;            // extra width of M and W
    std::string narrow = ""; // letters set one pixel narrower
};

int letterWidth(char ch, const Lettering& l) {
    switch (ch) {
    case 'I':
        return l.face.stem;
    case 'M':
    case 'W':
        return l.letter + l.wide;
    case ' ':
        return l.space;
    default:
        return l.narrow.find(ch) != std::string::npos ? l.letter - 1 : l.letter;
    }
}

// Where the pixels left over after the gaps have been evened out go: to the
// word spaces of a phrase, else to the letters that widen most gracefully.
// A gap one pixel wider than its neighbours shows at once; a letter one pixel
// wider does not.
std::vector<int> spareWidths(const std::string& text, int spare) {
    std::vector<int> candidates;
    for (const char* pass : {" ", "ODGCUNHMWBQ", "PRSKEFLJZA", "VXYT"}) {
        for (size_t i = 0; i < text.size(); ++i) {
            if (std::string(pass).find(text[i]) != std::string::npos) {
                candidates.push_back(static_cast<int>(i));
            }
        }
        if (pass[0] == ' ' && !candidates.empty()) {
            break;
        }
        if (static_cast<int>(candidates.size()) >= spare) {
            break;
        }
    }
    std::vector<int> add(text.size(), 0);
    if (candidates.empty()) {
        return add;
    }
    std::sort(candidates.begin(), candidates.end());
    const int n = static_cast<int>(candidates.size());
    for (int j = 0; j < spare; ++j) {
        // Each round spreads its pixels evenly along the candidates.
        int round = std::min(n, spare - j / n * n);
        int k = j % n;
        add[candidates[(2 * k + 1) * n / (2 * round)]] += 1;
    }
    return add;
}

// The word set so that its ink fills a box of the given size exactly.
Mask setWord(const std::string& text, int boxW, int boxH, const Lettering& l) {
    int natural = 0;
    for (char ch : text) {
        natural += letterWidth(ch, l);
    }
    int gaps = static_cast<int>(text.size()) - 1;
    natural += gaps * l.gap;
    int extra = boxW - natural;
    if (extra < 0 || (gaps == 0 && extra != 0)) {
        std::fprintf(stderr, "'%s' is %d wide, its box %d\n", text.c_str(), natural, boxW);
        std::exit(1);
    }
    int gap = l.gap;
    bool phrase = text.find(' ') != std::string::npos;
    if (!phrase && gaps > 0) {
        gap += extra / gaps;
        extra %= gaps;
    }
    std::vector<int> add = spareWidths(text, extra);
    Mask out(boxW, boxH);
    int x = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        int wch = letterWidth(text[i], l) + add[i];
        out.add(blockLetter(text[i], wch, boxH, l.face), x, 0);
        x += wch + gap;
    }
    return out;
}

void stamp(Canvas& canvas, const Mask& m, int x, int y, Rgb c) {
    for (int yy = 0; yy < m.h; ++yy) {
        for (int xx = 0; xx < m.w; ++xx) {
            if (m.get(xx, yy)) {
                canvas.set(x + xx, y + yy, c);
            }
        }
    }
}

// Set a word into the inclusive box (x0, y0)-(x1, y1) of the canvas.
void word(Canvas& canvas, int x0, int y0, int x1, int y1, const std::string& text,
          const Lettering& l, Rgb c) {
    stamp(canvas, setWord(text, x1 - x0 + 1, y1 - y0 + 1, l), x0, y0, c);
}

// A word centred in a box, at the width its lettering gives it.
void centredWord(Canvas& canvas, int x0, int y0, int x1, int y1, const std::string& text,
                 const Lettering& l, int height, Rgb c) {
    int natural = 0;
    for (char ch : text) {
        natural += letterWidth(ch, l);
    }
    natural += (static_cast<int>(text.size()) - 1) * l.gap;
    int x = x0 + (x1 - x0 + 1 - natural) / 2;
    int y = y0 + (y1 - y0 + 1 - height) / 2;
    stamp(canvas, setWord(text, natural, height, l), x, y, c);
}

// The game's name as a logo: HEDGE over a plate of the same width with ROW
// cut out of it, like the marking on an ammunition box. Large enough, HEDGE
// takes the stencil bridges of its face; the plate's letters never do.
Mask stackedLogo(int width, int lineH, int lineGap, const Lettering& l) {
    Mask out(width, lineH * 2 + lineGap);
    out.add(setWord("HEDGE", width, lineH, l), 0, 0);
    const int plateY = lineH + lineGap;
    out.rect(0, plateY, width - 1, plateY + lineH - 1);
    const int c = l.face.chamfer;
    cutCorner(out, 0, plateY, 1, 1, c);
    cutCorner(out, width - 1, plateY, -1, 1, c);
    cutCorner(out, 0, plateY + lineH - 1, 1, -1, c);
    cutCorner(out, width - 1, plateY + lineH - 1, -1, -1, c);

    Lettering cut = l;
    cut.face.stencil = 0;
    cut.gap = l.gap * 2;
    const int pad = std::max(2, l.face.bar);
    const int rowH = lineH - 2 * pad;
    int rowW = 2 * cut.gap;
    for (char ch : std::string("ROW")) {
        rowW += letterWidth(ch, cut);
    }
    Mask row = setWord("ROW", rowW, rowH, cut);
    const int rowX = (width - rowW) / 2;
    for (int y = 0; y < row.h; ++y) {
        for (int x = 0; x < row.w; ++x) {
            if (row.get(x, y)) {
                out.set(rowX + x, plateY + pad + y, false);
            }
        }
    }
    return out;
}

// Lettering lit from above: a pale upper edge on every stroke, a dark lower
// edge, optionally a lit left side, and a gradient down the body.
struct Lit {
    Rgb top, bottom; // the body's gradient
    Rgb upperEdge, lowerEdge;
    Rgb leftEdge;
    bool litLeft = false;
};

void paintLit(Canvas& canvas, const Mask& m, int x, int y, const Lit& lit) {
    for (int yy = 0; yy < m.h; ++yy) {
        for (int xx = 0; xx < m.w; ++xx) {
            if (!m.get(xx, yy)) {
                continue;
            }
            Rgb c = mix(lit.top, lit.bottom, m.h > 1 ? static_cast<double>(yy) / (m.h - 1) : 0.0);
            if (!m.get(xx, yy - 1)) {
                c = lit.upperEdge;
            } else if (!m.get(xx, yy + 1)) {
                c = lit.lowerEdge;
            } else if (lit.litLeft && !m.get(xx - 1, yy)) {
                c = lit.leftEdge;
            }
            canvas.set(x + xx, y + yy, c);
        }
    }
}

const Rgb BAND_BROWN{42, 31, 0};
const Rgb SLATE{42, 63, 85};
const Rgb WHITE{255, 255, 255};
const Rgb BLACK{0, 0, 0};
const Rgb LIGHT_GREY{192, 192, 192};
const Rgb RED{255, 0, 0};
const Rgb SAND{196, 176, 120};

const Lit LOGO_GREEN{{138, 198, 92}, {70, 140, 50}, {214, 240, 190}, {38, 84, 30}, {0, 0, 0}};

// Small capitals with doubled uprights: at nine pixels and less a single
// pixel stroke looks faint beside the heavier words.
Lettering labelCaps() {
    return {7, 2, 3, {2, 1, 1}, 0};
}

} // namespace

Canvas drawMenuBackground() {
    Canvas c(320, 240, SLATE);
    c.fill(0, 0, 319, 43, BAND_BROWN);
    c.fill(0, 226, 319, 239, BAND_BROWN);

    Lettering logo{10, 2, 0, {3, 2, 2}, 3};
    Mask mark = stackedLogo(58, 12, 4, logo);
    paintLit(c, mark, 1, 8, LOGO_GREEN);

    Lettering heading{9, 2, 0, {3, 3, 2}, 4};
    word(c, 136, 9, 182, 35, "MENU", heading, WHITE);

    Lettering choice{11, 2, 0, {4, 3, 2}, 0};
    word(c, 133, 81, 196, 100, "START", choice, WHITE);
    word(c, 135, 117, 188, 136, "LOAD", choice, WHITE);
    word(c, 135, 155, 180, 174, "EXIT", choice, WHITE);

    Lettering footer{5, 1, 0, {1, 1, 1}, 0};
    word(c, 253, 229, 302, 235, "HEDGEROW", footer, SAND);
    return c;
}

Canvas drawMenuPointer() {
    // Seen from its left side: muzzle to the left, grip and hammer to the right.
    return fromGrid(
        {
            "................",
            "..k.........kk..",
            ".kkkkkkkkkkkkkk.",
            ".kwwwwwwwwwwwwwk",
            ".kggggggggggggdk",
            ".kddddddddddddkk",
            "..kkkkkkkkkbbbk.",
            "......k.k.kbBbbk",
            "......k..kkbbBbk",
            ".......kk.kbbbbk",
            "..........kbBbbk",
            "..........kbbbbk",
            "..........kkkkkk",
        },
        {{'.', {192, 192, 192}},
         {'k', {28, 22, 18}},
         {'w', {222, 224, 228}},
         {'g', {150, 152, 158}},
         {'d', {96, 98, 104}},
         {'b', {122, 72, 34}},
         {'B', {84, 48, 22}}});
}

Canvas drawTitleSplash() {
    Canvas c(320, 240, BLACK);
    Lettering credit{4, 1, 1, {1, 1, 1}, 1};
    word(c, 131, 28, 182, 36, "A GAME BY US", credit, {150, 150, 132});

    // The glow reaches the edge of the title's box and no further.
    const int glow = 6;
    const int x0 = 61 + glow;
    const int y0 = 53 + glow;
    const int width = 270 - glow - x0 + 1;
    const int height = 192 - glow - y0 + 1;
    Lettering title{36, 4, 0, {11, 10, 8, 2}, 8};
    const int lineH = 57;
    Mask mark = stackedLogo(width, lineH, height - 2 * lineH, title);

    for (int y = -glow; y < mark.h + glow; ++y) {
        for (int x = -glow; x < mark.w + glow; ++x) {
            double best = glow + 1.0;
            for (int oy = -glow; oy <= glow; ++oy) {
                for (int ox = -glow; ox <= glow; ++ox) {
                    if (mark.get(x + ox, y + oy)) {
                        best = std::min(best, std::hypot(ox, oy));
                    }
                }
            }
            if (best <= glow) {
                double t = 1.0 - best / (glow + 1.0);
                c.set(x0 + x, y0 + y, mix(BLACK, {40, 150, 50}, 0.55 * t * t));
            }
        }
    }
    paintLit(c, mark, x0, y0,
             {{110, 220, 90}, {24, 120, 36}, WHITE, {12, 70, 20}, {170, 240, 150}, true});
    return c;
}

Canvas drawBannerStrip() {
    Canvas c(320, 16, BLACK);
    Lettering l{9, 1, 0, {2, 2, 1}, 2};
    const int spans[3][2] = {{0, 82}, {110, 193}, {222, 304}};
    for (const auto& s : spans) {
        Mask m = setWord("HEDGEROW", s[1] - s[0] + 1, 12, l);
        paintLit(c, m, s[0], 2, LOGO_GREEN);
    }
    return c;
}

Canvas drawStatsPanel() {
    Canvas c(100, 100, BLACK);
    c.fill(4, 4, 95, 95, {121, 143, 139});
    c.fill(5, 5, 94, 94, LIGHT_GREY);
    word(c, 14, 44, 50, 56, "LIFE", {9, 2, 0, {3, 2, 1}, 0}, BLACK);
    word(c, 12, 63, 67, 70, "STRENGHT", {6, 1, 0, {2, 1, 1}, 0}, BLACK);
    word(c, 13, 78, 57, 85, "DEFENSE", {6, 1, 0, {2, 1, 1}, 0, "EF"}, BLACK);
    return c;
}

Canvas drawAttackScreen() {
    const Rgb dusty{184, 101, 101};
    Canvas c(320, 240, {101, 101, 101});
    Lettering big{19, 3, 0, {6, 5, 4}, 4};
    word(c, 55, 34, 243, 65, "ATTACKING", big, dusty);
    word(c, 55, 85, 187, 116, "TROOPS", big, dusty);
    Lettering small{8, 2, 1, {2, 2, 1}, 0};
    word(c, 64, 173, 265, 183, "PRESS Y TO CLOSE SCREEN", small, dusty);
    return c;
}

Canvas drawMenuHighlight() {
    Canvas c(100, 26, BLACK);
    c.fill(5, 4, 95, 20, WHITE);
    return c;
}

Canvas drawMoveRange() {
    // Outlines lie on the lines x = 32 * column, so neighbours share one line;
    // the last line of the picture falls on its final pixel.
    Canvas c(160, 160, WHITE);
    const Rgb blue{22, 159, 237};
    auto edge = [](int v) { return std::min(v, 159); };
    for (int row = 0; row < 5; ++row) {
        for (int col = 0; col < 5; ++col) {
            if (std::abs(col - 2) + std::abs(row - 2) <= 2) {
                c.outline(32 * col, 32 * row, edge(32 * col + 32), edge(32 * row + 32), blue);
            }
        }
    }
    return c;
}

namespace {

// One quarter of a cursor, the top-left one; the others are its mirror images.
Canvas cursorQuarter(Rgb frame, Rgb bracket) {
    return fromGrid(
        {
            "FFFFFFFFFF......",
            "FFFFFFFFF.......",
            "FFF.............",
            "FF.BBBBBB.......",
            "FF.B............",
            "FF.B............",
            "FF.B............",
            "FF.B............",
            "FF.B............",
            "FF..............",
            "F...............",
            "................",
            "................",
            "................",
            "................",
            "................",
        },
        {{'.', WHITE}, {'F', frame}, {'B', bracket}});
}

Canvas fourQuarters(const Canvas& q) {
    Canvas c(32, 32, WHITE);
    Canvas flipped = q.mirrored();
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            c.set(x, y, q.get(x, y));
            c.set(16 + x, y, flipped.get(x, y));
            c.set(x, 31 - y, q.get(x, y));
            c.set(16 + x, 31 - y, flipped.get(x, y));
        }
    }
    return c;
}

} // namespace

Canvas drawCursor() {
    return fourQuarters(cursorQuarter({0, 0, 191}, {128, 128, 255}));
}

namespace {

// A point `along` an edge of the 32x32 cursor and `across` into it from that
// edge: the top, the bottom, the left or the right one.
void setOnEdge(Canvas& c, int edge, int along, int across, Rgb colour) {
    switch (edge) {
    case 0:
        c.set(along, across, colour);
        break;
    case 1:
        c.set(along, 31 - across, colour);
        break;
    case 2:
        c.set(across, along, colour);
        break;
    default:
        c.set(31 - across, along, colour);
        break;
    }
}

} // namespace

Canvas drawAttackCursor() {
    const Rgb pink{244, 131, 131};
    Canvas c = fourQuarters(cursorQuarter(RED, pink));
    // A notch in the middle of each edge points at the target.
    for (int edge = 0; edge < 4; ++edge) {
        for (int d = 0; d < 3; ++d) {
            for (int t = 13 + d; t <= 18 - d; ++t) {
                setOnEdge(c, edge, t, d, RED);
            }
        }
        for (int t = 15; t <= 16; ++t) {
            for (int depth = 3; depth <= 4; ++depth) {
                setOnEdge(c, edge, t, depth, pink);
            }
        }
    }
    return c;
}

namespace {

Canvas fourLineMenu(const int bars[4][2], int x0, int x1, const char* const labels[4]) {
    Canvas c(100, 100, RED);
    for (int i = 0; i < 4; ++i) {
        c.fill(x0, bars[i][0], x1, bars[i][1], WHITE);
        centredWord(c, x0, bars[i][0], x1, bars[i][1], labels[i], labelCaps(), 9, BLACK);
    }
    return c;
}

} // namespace

Canvas drawPauseMenu() {
    const int bars[4][2] = {{5, 20}, {30, 45}, {55, 70}, {80, 95}};
    const char* const labels[4] = {"END TURN", "LOAD", "SAVE", "EXIT GAME"};
    return fourLineMenu(bars, 5, 95, labels);
}

Canvas drawCommandMenu() {
    const int bars[4][2] = {{4, 21}, {30, 47}, {54, 71}, {79, 96}};
    const char* const labels[4] = {"MOVE", "ATTACK", "SPECIAL", "CANCEL"};
    return fourLineMenu(bars, 4, 96, labels);
}
