#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>

Rgb shade(Rgb c, double factor) {
    auto channel = [factor](uint8_t v) {
        double out = v * factor;
        return static_cast<uint8_t>(std::clamp(std::lround(out), 0L, 255L));
    };
    return {channel(c.r), channel(c.g), channel(c.b)};
}

Rgb mix(Rgb a, Rgb b, double t) {
    auto channel = [t](uint8_t u, uint8_t v) {
        return static_cast<uint8_t>(std::clamp(std::lround(u + (v - u) * t), 0L, 255L));
    };
    return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

Canvas::Canvas(int width, int height, Rgb fillColour)
    : w(width), h(height), px(static_cast<size_t>(width) * height, fillColour) {}

void Canvas::set(int x, int y, Rgb c) {
    if (inside(x, y)) {
        px[static_cast<size_t>(y) * w + x] = c;
    }
}

void Canvas::fill(int x0, int y0, int x1, int y1, Rgb c) {
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            set(x, y, c);
        }
    }
}

void Canvas::outline(int x0, int y0, int x1, int y1, Rgb c, int thickness) {
    for (int t = 0; t < thickness; ++t) {
        fill(x0 + t, y0 + t, x1 - t, y0 + t, c);
        fill(x0 + t, y1 - t, x1 - t, y1 - t, c);
        fill(x0 + t, y0 + t, x0 + t, y1 - t, c);
        fill(x1 - t, y0 + t, x1 - t, y1 - t, c);
    }
}

void Canvas::line(int x0, int y0, int x1, int y1, Rgb c) {
    int dx = std::abs(x1 - x0);
    int dy = -std::abs(y1 - y0);
    int sx = x0 < x1 ? 1 : -1;
    int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    while (true) {
        set(x0, y0, c);
        if (x0 == x1 && y0 == y1) {
            break;
        }
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void Canvas::thickLine(int x0, int y0, int x1, int y1, Rgb c, int thickness) {
    int lo = -(thickness - 1) / 2;
    int hi = thickness / 2;
    for (int oy = lo; oy <= hi; ++oy) {
        for (int ox = lo; ox <= hi; ++ox) {
            line(x0 + ox, y0 + oy, x1 + ox, y1 + oy, c);
        }
    }
}

void Canvas::disc(int cx, int cy, int radius, Rgb c) {
    ellipse(cx, cy, radius, radius, c);
}

void Canvas::ellipse(int cx, int cy, int rx, int ry, Rgb c) {
    for (int y = -ry; y <= ry; ++y) {
        for (int x = -rx; x <= rx; ++x) {
            double nx = rx ? static_cast<double>(x) / (rx + 0.5) : 0.0;
            double ny = ry ? static_cast<double>(y) / (ry + 0.5) : 0.0;
            if (nx * nx + ny * ny <= 1.0) {
                set(cx + x, cy + y, c);
            }
        }
    }
}

void Canvas::recolour(int x0, int y0, int x1, int y1, Rgb from, Rgb to) {
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            if (inside(x, y) && get(x, y) == from) {
                set(x, y, to);
            }
        }
    }
}

void Canvas::paste(const Canvas& src, int dx, int dy, bool useKey, Rgb key) {
    for (int y = 0; y < src.h; ++y) {
        for (int x = 0; x < src.w; ++x) {
            Rgb c = src.get(x, y);
            if (!useKey || !(c == key)) {
                set(dx + x, dy + y, c);
            }
        }
    }
}

Canvas Canvas::crop(int x, int y, int width, int height) const {
    Canvas out(width, height, {0, 0, 0});
    for (int yy = 0; yy < height; ++yy) {
        for (int xx = 0; xx < width; ++xx) {
            if (inside(x + xx, y + yy)) {
                out.set(xx, yy, get(x + xx, y + yy));
            }
        }
    }
    return out;
}

Canvas Canvas::mirrored() const {
    Canvas out(w, h, {0, 0, 0});
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            out.set(w - 1 - x, y, get(x, y));
        }
    }
    return out;
}

void Canvas::outlineShapes(Rgb background, Rgb ink) {
    Canvas before = *this;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (!(before.get(x, y) == background)) {
                continue;
            }
            bool touches = false;
            const int offsets[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
            for (const auto& o : offsets) {
                int nx = x + o[0];
                int ny = y + o[1];
                if (before.inside(nx, ny) && !(before.get(nx, ny) == background) &&
                    !(before.get(nx, ny) == ink)) {
                    touches = true;
                }
            }
            if (touches) {
                set(x, y, ink);
            }
        }
    }
}

static const Rgb* lookup(const std::vector<LegendEntry>& legend, char symbol) {
    for (const auto& entry : legend) {
        if (entry.symbol == symbol) {
            return &entry.colour;
        }
    }
    return nullptr;
}

Canvas fromGrid(const std::vector<std::string>& rows, const std::vector<LegendEntry>& legend) {
    int width = rows.empty() ? 0 : static_cast<int>(rows[0].size());
    Canvas out(width, static_cast<int>(rows.size()), {0, 0, 0});
    for (size_t y = 0; y < rows.size(); ++y) {
        if (static_cast<int>(rows[y].size()) != width) {
            std::fprintf(stderr, "grid row %zu is %zu wide, expected %d\n", y, rows[y].size(),
                         width);
            std::exit(1);
        }
        for (int x = 0; x < width; ++x) {
            const Rgb* c = lookup(legend, rows[y][x]);
            if (!c) {
                std::fprintf(stderr, "grid symbol '%c' has no colour\n", rows[y][x]);
                std::exit(1);
            }
            out.set(x, static_cast<int>(y), *c);
        }
    }
    return out;
}

void paintGrid(Canvas& canvas, int dx, int dy, const std::vector<std::string>& rows,
               const std::vector<LegendEntry>& legend) {
    for (size_t y = 0; y < rows.size(); ++y) {
        for (size_t x = 0; x < rows[y].size(); ++x) {
            if (rows[y][x] == ' ') {
                continue;
            }
            if (const Rgb* c = lookup(legend, rows[y][x])) {
                canvas.set(dx + static_cast<int>(x), dy + static_cast<int>(y), *c);
            }
        }
    }
}

// 5x7 capitals and digits; '#' is ink.
static const std::map<char, std::vector<std::string>>& letterFace() {
    static const std::map<char, std::vector<std::string>> face = {
        {'A', {" ### ", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"}},
        {'B', {"#### ", "#   #", "#   #", "#### ", "#   #", "#   #", "#### "}},
        {'C', {" ####", "#    ", "#    ", "#    ", "#    ", "#    ", " ####"}},
        {'D', {"#### ", "#   #", "#   #", "#   #", "#   #", "#   #", "#### "}},
        {'E', {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#####"}},
        {'F', {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#    "}},
        {'G', {" ####", "#    ", "#    ", "#  ##", "#   #", "#   #", " ####"}},
        {'H', {"#   #", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"}},
        {'I', {"#####", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "#####"}},
        {'J', {"#####", "    #", "    #", "    #", "    #", "#   #", " ### "}},
        {'K', {"#   #", "#  # ", "# #  ", "##   ", "# #  ", "#  # ", "#   #"}},
        {'L', {"#    ", "#    ", "#    ", "#    ", "#    ", "#    ", "#####"}},
        {'M', {"#   #", "## ##", "# # #", "# # #", "#   #", "#   #", "#   #"}},
        {'N', {"#   #", "##  #", "# # #", "# # #", "#  ##", "#   #", "#   #"}},
        {'O', {" ### ", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "}},
        {'P', {"#### ", "#   #", "#   #", "#### ", "#    ", "#    ", "#    "}},
        {'Q', {" ### ", "#   #", "#   #", "#   #", "# # #", "#  # ", " ## #"}},
        {'R', {"#### ", "#   #", "#   #", "#### ", "# #  ", "#  # ", "#   #"}},
        {'S', {" ####", "#    ", "#    ", " ### ", "    #", "    #", "#### "}},
        {'T', {"#####", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  "}},
        {'U', {"#   #", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "}},
        {'V', {"#   #", "#   #", "#   #", "#   #", "#   #", " # # ", "  #  "}},
        {'W', {"#   #", "#   #", "#   #", "# # #", "# # #", "## ##", "#   #"}},
        {'X', {"#   #", "#   #", " # # ", "  #  ", " # # ", "#   #", "#   #"}},
        {'Y', {"#   #", "#   #", " # # ", "  #  ", "  #  ", "  #  ", "  #  "}},
        {'Z', {"#####", "    #", "   # ", "  #  ", " #   ", "#    ", "#####"}},
        {'0', {" ### ", "#   #", "#  ##", "# # #", "##  #", "#   #", " ### "}},
        {'1', {"  #  ", " ##  ", "# #  ", "  #  ", "  #  ", "  #  ", "#####"}},
        {'2', {" ### ", "#   #", "    #", "   # ", "  #  ", " #   ", "#####"}},
        {'3', {"#### ", "    #", "    #", " ### ", "    #", "    #", "#### "}},
        {'4', {"   # ", "  ## ", " # # ", "#  # ", "#####", "   # ", "   # "}},
        {'5', {"#####", "#    ", "#### ", "    #", "    #", "#   #", " ### "}},
        {'6', {" ### ", "#    ", "#    ", "#### ", "#   #", "#   #", " ### "}},
        {'7', {"#####", "    #", "   # ", "  #  ", " #   ", " #   ", " #   "}},
        {'8', {" ### ", "#   #", "#   #", " ### ", "#   #", "#   #", " ### "}},
        {'9', {" ### ", "#   #", "#   #", " ####", "    #", "    #", " ### "}},
        {' ', {"     ", "     ", "     ", "     ", "     ", "     ", "     "}},
        {'-', {"     ", "     ", "     ", "#####", "     ", "     ", "     "}},
        {'.', {"     ", "     ", "     ", "     ", "     ", "     ", "  #  "}},
        {'!', {"  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "     ", "  #  "}},
        {':', {"     ", "  #  ", "     ", "     ", "     ", "  #  ", "     "}},
        {'\'', {"  #  ", "  #  ", "     ", "     ", "     ", "     ", "     "}},
        {'/', {"    #", "    #", "   # ", "  #  ", " #   ", "#    ", "#    "}},
    };
    return face;
}

int lettersWidth(const std::string& text, int scale, int spacing) {
    if (text.empty()) {
        return 0;
    }
    return static_cast<int>(text.size()) * (5 * scale + spacing) - spacing;
}

void drawLetters(Canvas& canvas, int x, int y, const std::string& text, Rgb c, int scale,
                 int spacing) {
    const auto& face = letterFace();
    int penX = x;
    for (char ch : text) {
        auto it = face.find(ch);
        if (it == face.end()) {
            std::fprintf(stderr, "no letter for '%c'\n", ch);
            std::exit(1);
        }
        for (int row = 0; row < 7; ++row) {
            for (int col = 0; col < 5; ++col) {
                if (it->second[row][col] == '#') {
                    canvas.fill(penX + col * scale, y + row * scale, penX + col * scale + scale - 1,
                                y + row * scale + scale - 1, c);
                }
            }
        }
        penX += 5 * scale + spacing;
    }
}

Box inkBox(const Canvas& canvas, Rgb background, int x0, int y0, int x1, int y1) {
    Box box{x1 + 1, y1 + 1, x0 - 1, y0 - 1};
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            if (canvas.inside(x, y) && !(canvas.get(x, y) == background)) {
                box.x0 = std::min(box.x0, x);
                box.y0 = std::min(box.y0, y);
                box.x1 = std::max(box.x1, x);
                box.y1 = std::max(box.y1, y);
            }
        }
    }
    return box;
}

void drawLettersInBox(Canvas& canvas, int x0, int y0, int x1, int y1, const std::string& text,
                      Rgb c, int spacing) {
    const Rgb paper{0, 0, 0};
    const Rgb ink{255, 255, 255};
    Canvas plain(lettersWidth(text, 1, spacing), 7, paper);
    drawLetters(plain, 0, 0, text, ink, 1, spacing);
    Box b = inkBox(plain, paper, 0, 0, plain.w - 1, plain.h - 1);
    int srcW = b.x1 - b.x0 + 1;
    int srcH = b.y1 - b.y0 + 1;
    int dstW = x1 - x0 + 1;
    int dstH = y1 - y0 + 1;
    for (int y = 0; y < dstH; ++y) {
        int sy = b.y0 + y * srcH / dstH;
        for (int x = 0; x < dstW; ++x) {
            int sx = b.x0 + x * srcW / dstW;
            if (plain.get(sx, sy) == ink) {
                canvas.set(x0 + x, y0 + y, c);
            }
        }
    }
}
