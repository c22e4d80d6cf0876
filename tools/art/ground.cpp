#include "pictures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int T = 32;
constexpr double PI = 3.14159265358979323846;

int wrap(int v) {
    return ((v % T) + T) % T;
}

uint32_t scramble(uint32_t h) {
    h ^= h >> 15;
    h *= 0x2c1b3c6dU;
    h ^= h >> 12;
    h *= 0x297a2d39U;
    h ^= h >> 15;
    return h;
}

// The speckle is a value per wrapped position rather than a running stream, so a tile
// repeats exactly and its copies meet without a seam.
double grain(int x, int y, uint32_t seed) {
    uint32_t h = scramble(static_cast<uint32_t>(wrap(x)) * 73856093U ^
                          static_cast<uint32_t>(wrap(y)) * 19349663U ^ seed * 83492791U);
    return static_cast<double>(h & 0xFFFFFFU) / static_cast<double>(0xFFFFFFU);
}

// Soft blotches on a lattice of `cell` pixels that also wraps at the tile edge.
double blotch(int x, int y, int cell, uint32_t seed) {
    int n = T / cell;
    double fx = static_cast<double>(wrap(x)) / cell;
    double fy = static_cast<double>(wrap(y)) / cell;
    int ix = static_cast<int>(fx);
    int iy = static_cast<int>(fy);
    double tx = fx - ix;
    double ty = fy - iy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    auto at = [&](int i, int j) { return grain(i % n, j % n, seed); };
    double top = at(ix, iy) + (at(ix + 1, iy) - at(ix, iy)) * tx;
    double bottom = at(ix, iy + 1) + (at(ix + 1, iy + 1) - at(ix, iy + 1)) * tx;
    return top + (bottom - top) * ty;
}

// Places the scattered details; fixed seeds keep the pictures the same on every run.
struct Lcg {
    uint32_t state;
    uint32_t next() {
        state = state * 1664525U + 1013904223U;
        return state >> 8;
    }
    int below(int n) { return static_cast<int>(next() % static_cast<uint32_t>(n)); }
};

using Ramp = std::vector<Rgb>;

Rgb pick(const Ramp& ramp, double v) {
    int i = static_cast<int>(std::floor(v * static_cast<double>(ramp.size())));
    return ramp[static_cast<size_t>(std::clamp(i, 0, static_cast<int>(ramp.size()) - 1))];
}

struct Tile {
    Canvas c{T, T, {90, 90, 90}};
    void put(int x, int y, Rgb col) { c.set(wrap(x), wrap(y), col); }
    Rgb at(int x, int y) const { return c.get(wrap(x), wrap(y)); }
};

const Ramp EARTH = {{88, 60, 38},  {104, 73, 46},  {116, 83, 53},
                    {127, 92, 59}, {138, 102, 66}, {160, 124, 84}};

Rgb earthAt(int x, int y) {
    double v = 0.35 * blotch(x, y, 16, 10) + 0.3 * blotch(x, y, 8, 11) + 0.2 * blotch(x, y, 4, 12) +
               0.15 * grain(x, y, 13);
    Rgb col = EARTH[static_cast<size_t>(1 + std::clamp(static_cast<int>((v - 0.3) * 9.0), 0, 3))];
    double s = grain(x, y, 14);
    if (s < 0.08) {
        col = EARTH[0];
    } else if (s > 0.955) {
        col = EARTH[5];
    }
    return col;
}

void paintEarth(Tile& t) {
    for (int y = 0; y < T; ++y) {
        for (int x = 0; x < T; ++x) {
            t.put(x, y, earthAt(x, y));
        }
    }
}

// Small stones lit from the upper left, each with a shadow towards the lower right.
void pebbles(Tile& t, uint32_t seed, int count, Rgb stone) {
    Lcg r{seed};
    for (int i = 0; i < count; ++i) {
        int x = r.below(T);
        int y = r.below(T);
        int w = 1 + r.below(2);
        t.put(x + w, y + 1, shade(t.at(x + w, y + 1), 0.72));
        t.put(x + 1, y + 1, shade(t.at(x + 1, y + 1), 0.72));
        for (int k = 0; k < w; ++k) {
            t.put(x + k, y, stone);
        }
        t.put(x, y, shade(stone, 1.18));
    }
}

// One frond of a fern pointing up, its root at the bottom centre: a dark stem with
// leaflets swept towards the tip, the left half lit and the right half in shade.
// clang-format off
const std::vector<std::string> FROND_STRAIGHT = {
    "....l....",
    "...l.m...",
    "...ldm...",
    "..l.d.m..",
    "..lldmm..",
    ".l..d..m.",
    ".llldmmm.",
    "l...d...m",
    "lllldmmmm",
    ".l..d..m.",
    "..lldmm..",
    "....d....",
    "....d....",
};
// clang-format on
// The same frond pointing up and to the right, its root at the bottom left.
// clang-format off
const std::vector<std::string> FROND_SLANTED = {
    "........ld",
    "......l.dm",
    "......ld..",
    "....l.dmm.",
    "....ld....",
    "..l.dmmm..",
    "..ld......",
    "..dmmmm...",
    ".d........",
    "d.........",
};
// clang-format on

// A fern seen from above, rooted at (cx, cy), with a thin shadow towards the lower
// right so that it stands clear of the ground beneath.
void fern(Tile& t, int cx, int cy, Rgb dark, Rgb mid, Rgb lit, Rgb shadow) {
    const Rgb none{0, 0, 0};
    Canvas ink(T, T, none);
    // `place` maps a frond pixel, measured from the frond's root, to the tile.
    auto stamp = [&](const std::vector<std::string>& frond, int rootX, int rootY, auto place) {
        for (int gy = 0; gy < static_cast<int>(frond.size()); ++gy) {
            for (int gx = 0; gx < static_cast<int>(frond[gy].size()); ++gx) {
                char ch = frond[gy][gx];
                if (ch == '.') {
                    continue;
                }
                auto [dx, dy] = place(gx - rootX, gy - rootY);
                int x = wrap(cx + dx);
                int y = wrap(cy + dy);
                Rgb col = ch == 'd' ? dark : (ch == 'l' ? lit : mid);
                if (ink.get(x, y) == none || ch == 'd') {
                    ink.set(x, y, col);
                }
            }
        }
    };
    using P = std::pair<int, int>;
    stamp(FROND_STRAIGHT, 4, 12, [](int x, int y) { return P{x, y}; });
    stamp(FROND_STRAIGHT, 4, 12, [](int x, int y) { return P{-y, x}; });
    stamp(FROND_STRAIGHT, 4, 12, [](int x, int y) { return P{y, x}; });
    stamp(FROND_SLANTED, 0, 9, [](int x, int y) { return P{x, y}; });
    stamp(FROND_SLANTED, 0, 9, [](int x, int y) { return P{-x, y}; });
    stamp(FROND_SLANTED, 0, 9, [](int x, int y) { return P{x, -y}; });
    stamp(FROND_SLANTED, 0, 9, [](int x, int y) { return P{-x, -y}; });
    for (int y = 0; y < T; ++y) {
        for (int x = 0; x < T; ++x) {
            if (!(ink.get(x, y) == none) && ink.get(wrap(x + 1), wrap(y + 1)) == none) {
                t.put(x + 1, y + 1, shadow);
            }
        }
    }
    for (int y = 0; y < T; ++y) {
        for (int x = 0; x < T; ++x) {
            if (!(ink.get(x, y) == none)) {
                t.put(x, y, ink.get(x, y));
            }
        }
    }
}

Tile water() {
    Tile t;
    const Ramp deep = {{30, 70, 146}, {36, 80, 160}, {42, 90, 172}, {50, 102, 186}};
    for (int y = 0; y < T; ++y) {
        for (int x = 0; x < T; ++x) {
            double v = 0.7 * blotch(x, y, 8, 21) + 0.3 * blotch(x, y, 4, 22);
            t.put(x, y, pick(deep, (v - 0.2) * 1.6));
        }
    }
    const Rgb crest{150, 196, 240};
    const Rgb foam{104, 156, 222};
    const Rgb trough{28, 64, 134};
    const int waves[][2] = {{3, 3},  {19, 5},  {11, 12}, {27, 14},
                            {4, 21}, {20, 23}, {13, 29}, {29, 30}};
    for (const auto& w : waves) {
        int x = w[0];
        int y = w[1];
        t.put(x, y + 1, foam);
        t.put(x + 1, y, crest);
        t.put(x + 2, y, crest);
        t.put(x + 3, y, crest);
        t.put(x + 4, y + 1, foam);
        t.put(x + 5, y + 1, foam);
        t.put(x + 1, y + 1, trough);
        t.put(x + 2, y + 1, trough);
        t.put(x + 3, y + 1, trough);
    }
    return t;
}

Tile earth() {
    Tile t;
    paintEarth(t);
    pebbles(t, 31, 7, {150, 128, 100});
    return t;
}

Tile sand(const Ramp& ramp, uint32_t seed) {
    Tile t;
    for (int y = 0; y < T; ++y) {
        for (int x = 0; x < T; ++x) {
            double v = 0.65 * blotch(x, y, 8, seed) + 0.35 * blotch(x, y, 4, seed + 1);
            Rgb col =
                ramp[static_cast<size_t>(1 + std::clamp(static_cast<int>((v - 0.25) * 6.0), 0, 2))];
            double s = grain(x, y, seed + 2);
            if (s < 0.10) {
                col = ramp[0];
            } else if (s > 0.93) {
                col = ramp[4];
            }
            t.put(x, y, col);
        }
    }
    return t;
}

const Ramp YELLOW_SAND = {
    {184, 148, 78}, {204, 168, 92}, {214, 180, 102}, {224, 192, 114}, {238, 212, 142}};
const Ramp PALE_SAND = {
    {202, 186, 142}, {216, 202, 158}, {224, 210, 168}, {232, 219, 178}, {243, 233, 200}};

Tile rock() {
    Tile t;
    // Boulders: every pixel belongs to its nearest seed, measured across the tile edge.
    const int seeds[][2] = {{5, 5},   {17, 3}, {27, 8},  {10, 15},
                            {22, 16}, {3, 25}, {15, 26}, {27, 25}};
    const Ramp stone = {{70, 72, 74}, {78, 80, 83}, {86, 88, 91}, {94, 96, 99}};
    int owner[T][T];
    for (int y = 0; y < T; ++y) {
        for (int x = 0; x < T; ++x) {
            int best = 0;
            int bestD = 1 << 30;
            for (int i = 0; i < 8; ++i) {
                int dx = std::abs(x - seeds[i][0]);
                int dy = std::abs(y - seeds[i][1]);
                dx = std::min(dx, T - dx);
                dy = std::min(dy, T - dy);
                int d = dx * dx + dy * dy;
                if (d < bestD) {
                    bestD = d;
                    best = i;
                }
            }
            owner[y][x] = best;
        }
    }
    for (int y = 0; y < T; ++y) {
        for (int x = 0; x < T; ++x) {
            int o = owner[y][x];
            double v = 0.5 * blotch(x, y, 4, 41) + 0.3 * grain(x, y, 42) + 0.06 * (o % 3);
            Rgb col = pick(stone, v);
            bool upLeftEdge = owner[wrap(y - 1)][x] != o || owner[y][wrap(x - 1)] != o;
            bool downRightEdge = owner[wrap(y + 1)][x] != o || owner[y][wrap(x + 1)] != o;
            if (downRightEdge) {
                col = {50, 52, 56};
            } else if (upLeftEdge) {
                col = {118, 120, 122};
            } else if (grain(x, y, 43) > 0.96) {
                col = {108, 110, 112};
            }
            t.put(x, y, col);
        }
    }
    fern(t, 16, 16, {34, 92, 34}, {60, 136, 46}, {104, 180, 72}, {44, 46, 50});
    return t;
}

Tile foliage() {
    Tile t;
    paintEarth(t);
    const Ramp leaf = {{20, 48, 22}, {28, 62, 26}, {36, 78, 30}, {48, 96, 36}, {66, 118, 46}};
    // Leaf clumps on a jittered grid. The clumps astride the tile border are small,
    // so a lone bush ends in a scalloped rim with earth between the lobes, and
    // copies side by side still close up.
    Lcg r{57};
    struct Clump {
        int x, y, radius;
    };
    std::vector<Clump> clumps;
    for (int j = 0; j < 4; ++j) {
        for (int i = 0; i < 4; ++i) {
            bool rim = i == 0 || j == 0;
            int jitter = rim ? 1 : 2;
            int x = i * 8 + r.below(2 * jitter + 1) - jitter;
            int y = j * 8 + r.below(2 * jitter + 1) - jitter;
            clumps.push_back({x, y, rim ? 3 + r.below(2) : 6 + r.below(2)});
        }
    }
    // Later clumps stand in front: sort them from the back (top) to the front (bottom).
    std::stable_sort(clumps.begin(), clumps.end(),
                     [](const Clump& a, const Clump& b) { return a.y < b.y; });
    int owner[T][T];
    for (auto& row : owner) {
        std::fill(std::begin(row), std::end(row), -1);
    }
    for (size_t k = 0; k < clumps.size(); ++k) {
        const Clump& c = clumps[k];
        for (int dy = -c.radius; dy <= c.radius; ++dy) {
            for (int dx = -c.radius; dx <= c.radius; ++dx) {
                double d = std::sqrt(dx * dx + dy * dy);
                double edge = c.radius + 0.4 - 1.1 * grain(c.x + dx, c.y + dy, 58);
                if (d <= edge) {
                    owner[wrap(c.y + dy)][wrap(c.x + dx)] = static_cast<int>(k);
                }
            }
        }
    }
    for (int y = 0; y < T; ++y) {
        for (int x = 0; x < T; ++x) {
            int o = owner[y][x];
            if (o < 0) {
                bool shadow = owner[wrap(y - 1)][wrap(x - 1)] >= 0 || owner[wrap(y - 1)][x] >= 0;
                if (shadow) {
                    t.put(x, y, shade(earthAt(x, y), 0.62));
                }
                continue;
            }
            const Clump& c = clumps[static_cast<size_t>(o)];
            int dx = x - c.x;
            int dy = y - c.y;
            dx -= T * static_cast<int>(std::lround(dx / static_cast<double>(T)));
            dy -= T * static_cast<int>(std::lround(dy / static_cast<double>(T)));
            double light = -(dx + dy) / (2.0 * c.radius);
            int level = std::clamp(static_cast<int>(std::lround(2.0 + 1.6 * light)), 1, 4);
            double g = grain(x, y, 59);
            if (g > 0.82) {
                ++level;
            } else if (g < 0.14) {
                --level;
            }
            if (std::sqrt(dx * dx + dy * dy) > c.radius - 1.3 && dx + dy > 0) {
                level = 0;
            }
            t.put(x, y, leaf[static_cast<size_t>(std::clamp(level, 0, 4))]);
        }
    }
    fern(t, 16, 17, {34, 84, 30}, {72, 134, 50}, {114, 180, 78}, leaf[0]);
    return t;
}

Tile grass() {
    Tile t;
    const Ramp field = {{62, 112, 40}, {68, 122, 44}, {74, 130, 48}, {80, 138, 52}};
    for (int y = 0; y < T; ++y) {
        for (int x = 0; x < T; ++x) {
            double v = 0.6 * blotch(x, y, 8, 71) + 0.4 * grain(x, y, 72);
            t.put(x, y, pick(field, (v - 0.15) * 1.5));
        }
    }
    const Rgb blade{104, 160, 62};
    const Rgb tip{128, 178, 76};
    const Rgb root{50, 94, 34};
    Lcg r{73};
    for (int i = 0; i < 70; ++i) {
        int x = r.below(T);
        int y = r.below(T);
        int tall = 1 + r.below(2);
        t.put(x, y + tall, root);
        for (int k = 0; k < tall; ++k) {
            t.put(x, y + k, blade);
        }
        t.put(x, y - 1, tip);
    }
    for (int i = 0; i < 3; ++i) {
        int x = r.below(T);
        int y = r.below(T);
        t.put(x, y, {226, 206, 92});
    }
    return t;
}

Tile plants() {
    Tile t = sand(PALE_SAND, 61);
    const Rgb dark{50, 104, 40};
    const Rgb mid{78, 142, 56};
    const Rgb lit{118, 178, 80};
    const Rgb shadow{188, 172, 128};
    const int spots[][2] = {{6, 6}, {22, 4}, {14, 15}, {28, 19}, {5, 24}, {19, 27}};
    for (const auto& s : spots) {
        int x = s[0];
        int y = s[1];
        t.put(x + 1, y + 2, shadow);
        t.put(x + 2, y + 1, shadow);
        t.put(x - 1, y + 1, shadow);
        t.put(x, y + 1, dark);
        t.put(x, y, mid);
        t.put(x - 1, y, mid);
        t.put(x + 1, y, dark);
        t.put(x - 1, y - 1, lit);
        t.put(x + 1, y - 1, lit);
        t.put(x - 2, y - 1, mid);
        t.put(x + 2, y, mid);
        t.put(x, y - 2, lit);
    }
    return t;
}

// A cloth gently lifting in the wind: columns of the flag a little lighter or darker.
Rgb cloth(Rgb c, int x, int w) {
    double wave = std::sin((static_cast<double>(x) / w) * 2.4 * PI + 0.6);
    return shade(c, 1.0 + 0.07 * wave);
}

} // namespace

Canvas drawTileset() {
    Canvas out(257, 32, {0, 0, 0});
    const Tile tiles[] = {water(),   earth(),  sand(YELLOW_SAND, 51), rock(),
                          foliage(), plants(), sand(PALE_SAND, 61),   grass()};
    for (int i = 0; i < 8; ++i) {
        out.paste(tiles[i].c, i * T, 0);
    }
    // The spare column continues the grass as if one more tile followed it.
    for (int y = 0; y < T; ++y) {
        out.set(256, y, out.get(7 * T, y));
    }
    return out;
}

Canvas drawFlag1() {
    // A teal band at the hoist beside ochre over slate.
    Canvas c(39, 20, {0, 0, 0});
    for (int y = 0; y < c.h; ++y) {
        for (int x = 0; x < c.w; ++x) {
            Rgb col = x < 13 ? Rgb{24, 112, 112} : (y < 10 ? Rgb{214, 160, 48} : Rgb{84, 96, 112});
            c.set(x, y, cloth(col, x, c.w));
        }
    }
    return c;
}

Canvas drawFlag2() {
    // Wine red and sand split corner to corner, a sand diamond on the red.
    Canvas c(40, 20, {0, 0, 0});
    for (int y = 0; y < c.h; ++y) {
        for (int x = 0; x < c.w; ++x) {
            bool upper = x * c.h + y * c.w < c.w * c.h;
            Rgb col = upper ? Rgb{128, 28, 52} : Rgb{226, 204, 150};
            int dx = std::abs(x - 9);
            int dy = std::abs(y - 7);
            if (dx + dy <= 4) {
                col = {226, 204, 150};
            }
            c.set(x, y, cloth(col, x, c.w));
        }
    }
    return c;
}

Canvas drawFlag3() {
    // Forest green over pale grey with a thin gold line between them.
    Canvas c(39, 20, {0, 0, 0});
    for (int y = 0; y < c.h; ++y) {
        for (int x = 0; x < c.w; ++x) {
            Rgb col = y < 9 ? Rgb{36, 92, 52} : (y < 11 ? Rgb{222, 182, 58} : Rgb{208, 212, 216});
            c.set(x, y, cloth(col, x, c.w));
        }
    }
    return c;
}
