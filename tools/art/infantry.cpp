#include "pictures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const Rgb KEY{192, 192, 192};
const Rgb INK{34, 26, 22};
const Rgb ON{255, 255, 255};
const Rgb OFF{0, 0, 0};
constexpr int CELL = 32;
// Soldiers are drawn on a wider strip and cut to their cell afterwards, so a
// long weapon may be drawn in full and the figure then moved to fit.
constexpr int WIDE = 48;

// Three tones of one material; the light comes from the upper left.
struct Tones {
    Rgb hi, mid, lo;
};

Tones tones(Rgb hi, Rgb mid, Rgb lo) {
    return {hi, mid, lo};
}
// The limbs on the far side of the body sit in shadow.
Tones dim(const Tones& t) {
    return {shade(t.hi, 0.74), shade(t.mid, 0.74), shade(t.lo, 0.74)};
}

const Tones SKIN = tones({238, 184, 138}, {214, 152, 106}, {162, 106, 72});
const Tones WOOD = tones({184, 120, 62}, {142, 86, 42}, {98, 58, 28});
const Tones STEEL = tones({132, 136, 142}, {84, 86, 92}, {48, 48, 54});
const Rgb RED{206, 32, 30};
const Rgb DARK_RED{140, 20, 20};
const Rgb WHITE{240, 238, 226};

Canvas blankMask() {
    return Canvas(WIDE, CELL, OFF);
}

bool on(const Canvas& m, int x, int y) {
    return m.inside(x, y) && m.get(x, y) == ON;
}

// Edges turned to the light get the light tone, edges turned away the dark
// one, so every part is modelled the same way whatever its shape.
void paintShaded(Canvas& cell, const Canvas& m, const Tones& t) {
    for (int y = 0; y < m.h; ++y) {
        for (int x = 0; x < m.w; ++x) {
            if (!on(m, x, y)) {
                continue;
            }
            int score = !on(m, x - 1, y) + !on(m, x, y - 1) - !on(m, x + 1, y) - !on(m, x, y + 1);
            cell.set(x, y, score > 0 ? t.hi : score < 0 ? t.lo : t.mid);
        }
    }
}

// A dark seam where a part lies over what was painted before it: an arm over
// the chest or one leg over the other must stay readable at 1x.
void seam(Canvas& cell, const Canvas& m) {
    const int offsets[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (int y = 0; y < m.h; ++y) {
        for (int x = 0; x < m.w; ++x) {
            if (on(m, x, y) || !cell.inside(x, y) || cell.get(x, y) == KEY) {
                continue;
            }
            for (const auto& o : offsets) {
                if (on(m, x + o[0], y + o[1])) {
                    cell.set(x, y, INK);
                    break;
                }
            }
        }
    }
}

void part(Canvas& cell, const Canvas& m, const Tones& t, bool seamed) {
    if (seamed) {
        seam(cell, m);
    }
    paintShaded(cell, m, t);
}

using Legend = std::vector<LegendEntry>;

// Pixel art kept as rows of symbols; a space leaves the cell as it is.
void grid(Canvas& cell, int x0, int y0, const std::vector<std::string>& rows, const Legend& legend,
          bool seamed) {
    size_t width = rows.empty() ? 0 : rows[0].size();
    Canvas m = blankMask();
    for (size_t y = 0; y < rows.size(); ++y) {
        if (rows[y].size() != width) {
            std::fprintf(stderr, "infantry grid row %zu is %zu wide, expected %zu\n", y,
                         rows[y].size(), width);
            std::exit(1);
        }
        for (size_t x = 0; x < width; ++x) {
            if (rows[y][x] != ' ') {
                m.set(x0 + static_cast<int>(x), y0 + static_cast<int>(y), ON);
            }
        }
    }
    if (seamed) {
        seam(cell, m);
    }
    paintGrid(cell, x0, y0, rows, legend);
}

enum class Hat { RoundHelmet, MedicHelmet, SteelHelmet, PeakedCap, SoftCap };
enum class Gun { Rifle, Bazooka, MedicRifle, StickSmg, Faust, DrumSmg, Launcher, LongRifle };

struct Army {
    Tones cloth;
    Tones gear; // helmet or cap
    Tones kit;  // belt, pack and pouches
    Tones boot;
    Tones shin; // gaiters or boot shafts just above the shoe
    int shinRows;
};

struct Soldier {
    Hat hat;
    Gun gun;
    bool pack;
};

struct Pose {
    int bob;      // the body sinks by this much while both feet are down
    int nearFoot; // foot position, ahead of the hip when positive
    int farFoot;
    int nearLift;
    int farLift;
    bool firing;
};

// Feet 5 ahead and 5 behind at the two contact frames, 2 either side while
// one leg swings through. The foot positions read the same backwards, which
// matters because the left-facing row holds the frames in reverse order; only
// the swinging foot gives the direction away, so it is lifted just 2 pixels.
const Pose WALK[6] = {
    {1, 5, -5, 0, 0, false}, {0, 2, -2, 0, 2, false}, {0, -2, 2, 0, 2, false},
    {1, -5, 5, 0, 0, false}, {0, -2, 2, 2, 0, false}, {0, 2, -2, 2, 0, false},
};
const Pose FIRING{1, 5, -4, 0, 0, true};

// Free arms swing against the legs: the near hand is ahead while the near foot is behind.
int swing(const Pose& p) {
    return p.nearFoot * 3 / 5;
}

constexpr int HIP_X = 14;
constexpr int HIP_Y = 19;
constexpr int GROUND_ANKLE = 25;

void leg(Canvas& cell, const Army& a, int hipX, int hipY, int footX, int lift, bool far) {
    int ankleY = GROUND_ANKLE - lift;
    Canvas m = blankMask();
    if (lift > 0) {
        int kneeX = (hipX + footX) / 2 + 2;
        int kneeY = (hipY + ankleY) / 2;
        m.thickLine(hipX, hipY, kneeX, kneeY, ON, 3);
        m.thickLine(kneeX, kneeY, footX, ankleY, ON, 3);
    } else {
        m.thickLine(hipX, hipY, footX, ankleY, ON, 3);
    }
    Canvas shin = blankMask();
    shin.fill(footX - 1, ankleY + 1 - a.shinRows, footX + 1, ankleY, ON);
    Canvas shoe = blankMask();
    shoe.fill(footX - 1, ankleY + 1, footX + 1, ankleY + 3, ON);
    shoe.fill(footX + 2, ankleY + 2, footX + 2, ankleY + 3, ON);
    // Trousers a shade below the tunic, so the legs part from the body.
    const Tones trousers = {shade(a.cloth.hi, 0.9), shade(a.cloth.mid, 0.9),
                            shade(a.cloth.lo, 0.9)};
    part(cell, m, far ? dim(trousers) : trousers, !far);
    if (a.shinRows > 0) {
        paintShaded(cell, shin, far ? dim(a.shin) : a.shin);
    }
    part(cell, shoe, far ? dim(a.boot) : a.boot, !far);
}

// An arm through up to three joints, ending in a 2x2 hand.
void arm(Canvas& cell, const Army& a, std::vector<std::pair<int, int>> joints, bool far,
         bool armband = false) {
    Canvas m = blankMask();
    for (size_t i = 0; i + 1 < joints.size(); ++i) {
        m.thickLine(joints[i].first, joints[i].second, joints[i + 1].first, joints[i + 1].second,
                    ON, 2);
    }
    auto [hx, hy] = joints.back();
    Canvas hand = blankMask();
    hand.fill(hx, hy, hx + 1, hy + 1, ON);
    for (int y = hy; y <= hy + 1; ++y) {
        for (int x = hx; x <= hx + 1; ++x) {
            m.set(x, y, OFF);
        }
    }
    const Tones sleeve = {shade(a.cloth.hi, 1.08), a.cloth.hi, a.cloth.mid};
    part(cell, m, far ? dim(a.cloth) : sleeve, !far);
    if (armband) {
        auto [sx, sy] = joints.front();
        for (int x = sx; x <= sx + 1; ++x) {
            cell.set(x, sy + 2, WHITE);
        }
        cell.set(sx, sy + 2, RED);
    }
    paintShaded(cell, hand, far ? dim(SKIN) : SKIN);
}

void torso(Canvas& cell, const Army& a, int b) {
    Canvas m = blankMask();
    m.fill(11, 12 + b, 17, 19 + b, ON);
    m.set(11, 12 + b, OFF);
    m.set(17, 12 + b, OFF);
    paintShaded(cell, m, a.cloth);
    for (int x = 11; x <= 17; ++x) {
        cell.set(x, 18 + b, a.kit.lo);
    }
    cell.set(16, 18 + b, a.kit.hi);
    cell.set(12, 17 + b, a.kit.mid);
    cell.set(12, 16 + b, a.kit.mid);
}

void backpack(Canvas& cell, const Army& a, int b) {
    Canvas m = blankMask();
    m.fill(9, 13 + b, 11, 17 + b, ON);
    m.set(9, 13 + b, OFF);
    paintShaded(cell, m, a.kit);
}

// The face, in profile to the right, on a 10-wide frame from x 11, y 3.
const std::vector<std::string> FACE = {
    "          ", "          ", "   aass   ", "  aaasss  ", "  aassss  ",
    "  kSSSSS  ", "  kkssess ", "  kSssss  ", "   SSSs   ",
};

struct HatRows {
    int x;
    std::vector<std::string> rows;
};

const HatRows& hatRows(Hat hat) {
    static const HatRows round = {11,
                                  {
                                      "   hhmm   ",
                                      "  hhmmmmd ",
                                      " hhmmmmmd ",
                                      " hmmmmmmmd",
                                      "dddddddddd",
                                  }};
    static const HatRows medic = {11,
                                  {
                                      "   hhmm   ",
                                      "  hwrwmmd ",
                                      " hhrrrmmd ",
                                      " hmwrwmmmd",
                                      "dddddddddd",
                                  }};
    static const HatRows steel = {10,
                                  {
                                      "    hhmm   ",
                                      "   hhmmmm  ",
                                      "   hmmmmmd ",
                                      "  hmmmmmmmd",
                                      " mmmmmmmmmd",
                                      "dddd       ",
                                  }};
    static const HatRows peaked = {11,
                                   {
                                       "     hhhm  ",
                                       "  hhhmmmmd ",
                                       " hmmmmmmmd ",
                                       "  ccccccwc ",
                                       "      VVVVv",
                                   }};
    static const HatRows soft = {11,
                                 {
                                     "          ",
                                     "   hhhhm  ",
                                     "  hhmmmrrd",
                                     "  mmmmmrrd",
                                     "  ddddqqqq",
                                 }};
    switch (hat) {
    case Hat::RoundHelmet:
        return round;
    case Hat::MedicHelmet:
        return medic;
    case Hat::SteelHelmet:
        return steel;
    case Hat::PeakedCap:
        return peaked;
    case Hat::SoftCap:
        return soft;
    }
    return round;
}

void head(Canvas& cell, const Army& a, Hat hat, int b) {
    Legend face = {{'s', SKIN.mid},     {'S', SKIN.lo}, {'k', shade(SKIN.lo, 0.8)},
                   {'e', {70, 40, 28}}, {'h', SKIN.hi}, {'a', {86, 58, 36}}};
    grid(cell, 11, 3 + b, FACE, face, false);
    Legend gear = {
        {'h', a.gear.hi},    {'m', a.gear.mid},  {'d', a.gear.lo}, {'r', RED},
        {'w', WHITE},        {'o', INK},         {'c', a.kit.lo},  {'q', shade(a.gear.lo, 0.75)},
        {'V', {92, 88, 86}}, {'v', {52, 48, 48}}};
    const HatRows& h = hatRows(hat);
    grid(cell, h.x, 3 + b, h.rows, gear, false);
}

// Guns point right, with the butt at the left end of the rows.
// clang-format off
const std::vector<std::string> RIFLE = {
    "         mmmmmmmmn",
    "WWWWWWWWWWwwwwww  ",
    "wwvv   n          ",
};
// clang-format on
// clang-format off
const std::vector<std::string> LONG_RIFLE = {
    "          mmmmmmmmmmnMMM",
    "WWWWWWWWWWwwwwwwwww     ",
    "wwvv   n                ",
};
// clang-format on
const std::vector<std::string> STICK_SMG = {
    " MMMMMMMMMn", "nmmmmmmmm  ", "   n  m    ", "   n  m    ", "      n    ",
};
const std::vector<std::string> DRUM_SMG = {
    "       MMMMMMMn", "WWWWWwwmnmnmnm ", " wwvv  omMmo   ",
    "       oMmmo   ", "       ommno   ", "        ooo    ",
};

Legend gunLegend() {
    return {{'W', WOOD.hi},   {'w', WOOD.mid}, {'v', WOOD.lo}, {'M', STEEL.hi},
            {'m', STEEL.mid}, {'n', STEEL.lo}, {'o', INK}};
}

struct Muzzle {
    int x, y;
};

// A tube weapon as a shaded bar with darker end rings.
void tube(Canvas& cell, int x0, int y0, int x1, int y1, const Tones& t) {
    Canvas m = blankMask();
    m.fill(x0, y0, x1, y1, ON);
    part(cell, m, t, true);
    for (int y = y0; y <= y1; ++y) {
        cell.set(x0, y, t.lo);
        cell.set(x1, y, t.lo);
    }
}

// A rocket leaves the tube with a short flame; a gun with a wider star.
void flash(Canvas& cell, Muzzle mz, bool rocket) {
    const Rgb core{255, 250, 206};
    const Rgb yellow{255, 214, 64};
    const Rgb orange{238, 124, 30};
    cell.set(mz.x + 1, mz.y, core);
    cell.set(mz.x + 2, mz.y, yellow);
    cell.set(mz.x + 1, mz.y - 1, yellow);
    cell.set(mz.x + 1, mz.y + 1, yellow);
    if (!rocket) {
        cell.set(mz.x + 3, mz.y, orange);
        cell.set(mz.x + 2, mz.y - 2, orange);
        cell.set(mz.x + 2, mz.y + 2, orange);
    }
}

// The back-blast of a rocket weapon: a small puff behind the open end at (x, y).
void puff(Canvas& cell, int x, int y) {
    const Rgb light{232, 226, 212};
    const Rgb mid{206, 184, 150};
    const Rgb dark{160, 150, 136};
    const Rgb fire{244, 150, 44};
    cell.set(x - 1, y, fire);
    cell.set(x - 2, y, light);
    cell.set(x - 2, y - 1, light);
    cell.set(x - 2, y + 1, mid);
    cell.set(x - 3, y, mid);
    cell.set(x - 3, y - 1, dark);
    cell.set(x - 3, y + 1, dark);
}

Canvas drawSoldier(const Army& a, const Soldier& s, const Pose& p) {
    Canvas cell(WIDE, CELL, KEY);
    int b = p.bob;
    int hipY = HIP_Y + b;
    bool aimed = p.firing;
    Muzzle mz{-1, -1};
    Muzzle blast{-1, -1};

    leg(cell, a, HIP_X - 1, hipY, HIP_X + p.farFoot, p.farLift, true);

    // Far arm, behind the body.
    switch (s.gun) {
    case Gun::MedicRifle:
        if (aimed) {
            arm(cell, a, {{13, 13 + b}, {21, 12 + b}}, true);
        } else {
            arm(cell, a, {{13, 13 + b}, {13 + swing(p), 18 + b}}, true);
        }
        break;
    case Gun::Rifle:
    case Gun::LongRifle:
        if (aimed) {
            arm(cell, a, {{13, 13 + b}, {21, 12 + b}}, true);
        } else {
            arm(cell, a, {{13, 13 + b}, {21, 15 + b}}, true);
        }
        break;
    case Gun::Bazooka:
    case Gun::Launcher:
        arm(cell, a, {{13, 13 + b}, {20, 14 + b}}, true);
        break;
    case Gun::StickSmg:
        arm(cell, a, {{13, 13 + b}, {21, 15 + b}}, true);
        break;
    case Gun::DrumSmg:
        arm(cell, a, {{13, 13 + b}, {20, 15 + b}}, true);
        break;
    case Gun::Faust:
        arm(cell, a, {{13, 13 + b}, {19, 15 + b}}, true);
        break;
    }

    if (s.gun == Gun::MedicRifle && !aimed) {
        // Slung on the back, muzzle up behind the shoulder.
        Canvas m = blankMask();
        m.line(10, 6 + b, 9, 20 + b, ON);
        m.line(11, 6 + b, 10, 20 + b, ON);
        part(cell, m, WOOD, false);
        cell.set(10, 5 + b, STEEL.mid);
        cell.set(10, 4 + b, STEEL.lo);
        cell.set(11, 6 + b, STEEL.mid);
        cell.set(10, 6 + b, STEEL.mid);
    }
    if (s.pack) {
        backpack(cell, a, b);
    }
    torso(cell, a, b);
    leg(cell, a, HIP_X + 1, hipY, HIP_X + p.nearFoot, p.nearLift, false);
    head(cell, a, s.hat, b);

    Legend gl = gunLegend();
    switch (s.gun) {
    case Gun::Rifle:
    case Gun::MedicRifle:
        if (aimed) {
            grid(cell, 11, 11 + b, RIFLE, gl, true);
            mz = {28, 11 + b};
            arm(cell, a, {{15, 13 + b}, {14, 16 + b}, {16, 13 + b}}, false,
                s.gun == Gun::MedicRifle);
        } else if (s.gun == Gun::Rifle) {
            grid(cell, 8, 15 + b, RIFLE, gl, true);
            arm(cell, a, {{15, 13 + b}, {15, 16 + b}, {17, 16 + b}}, false);
        } else {
            arm(cell, a, {{15, 13 + b}, {15 - swing(p), 18 + b}}, false, true);
        }
        break;
    case Gun::LongRifle:
        if (aimed) {
            grid(cell, 9, 11 + b, LONG_RIFLE, gl, true);
            mz = {29, 11 + b};
            arm(cell, a, {{15, 13 + b}, {14, 16 + b}, {16, 13 + b}}, false);
        } else {
            grid(cell, 5, 15 + b, LONG_RIFLE, gl, true);
            arm(cell, a, {{15, 13 + b}, {15, 16 + b}, {17, 16 + b}}, false);
        }
        break;
    case Gun::StickSmg:
        grid(cell, 14, 14 + b, STICK_SMG, gl, true);
        arm(cell, a, {{15, 13 + b}, {15, 16 + b}, {17, 16 + b}}, false);
        if (aimed) {
            mz = {24, 14 + b};
        }
        break;
    case Gun::DrumSmg:
        grid(cell, 9, 14 + b, DRUM_SMG, gl, true);
        arm(cell, a, {{15, 13 + b}, {14, 15 + b}, {15, 15 + b}}, false);
        if (aimed) {
            mz = {23, 14 + b};
        }
        break;
    case Gun::Bazooka: {
        // Rocket tubes ride on the shoulder, centred on row t, below the eyes.
        const int t = 13 + b;
        const Tones olive = tones({126, 136, 70}, {92, 102, 50}, {58, 64, 32});
        tube(cell, 6, t - 1, 25, t + 1, olive);
        // The flared back end tells front from back at a glance.
        Canvas rim = blankMask();
        rim.fill(4, t - 2, 5, t + 2, ON);
        rim.set(5, t - 2, OFF);
        rim.set(5, t + 2, OFF);
        rim.fill(3, t - 3, 3, t + 3, ON);
        part(cell, rim, olive, false);
        cell.set(21, t - 2, STEEL.mid);
        cell.set(17, t + 2, STEEL.lo);
        cell.set(17, t + 3, STEEL.lo);
        arm(cell, a, {{15, 13 + b}, {15, 16 + b}, {17, t + 1}}, false);
        if (aimed) {
            mz = {25, t};
            blast = {3, t};
        }
        break;
    }
    case Gun::Launcher: {
        const int t = 13 + b;
        const Tones grey = tones({110, 118, 104}, {74, 82, 70}, {44, 50, 42});
        const Tones warhead = tones({150, 142, 84}, {112, 104, 56}, {70, 64, 34});
        tube(cell, 5, t - 1, 21, t + 1, grey);
        Canvas w = blankMask();
        w.fill(22, t - 2, 24, t + 2, ON);
        w.fill(25, t - 1, 25, t + 1, ON);
        w.set(26, t, ON);
        part(cell, w, warhead, true);
        cell.set(16, t + 2, STEEL.lo);
        cell.set(16, t + 3, STEEL.lo);
        arm(cell, a, {{15, 13 + b}, {15, 16 + b}, {17, t + 1}}, false);
        if (aimed) {
            mz = {26, t};
            blast = {5, t};
        }
        break;
    }
    case Gun::Faust: {
        const Tones shaft = tones({170, 160, 104}, {136, 126, 78}, {96, 88, 50});
        const Tones warhead = tones({106, 114, 72}, {74, 82, 48}, {46, 52, 30});
        tube(cell, 8, 15 + b, 21, 16 + b, shaft);
        Canvas w = blankMask();
        w.ellipse(24, 15 + b, 2, 2, ON);
        w.fill(22, 14 + b, 23, 17 + b, ON);
        part(cell, w, warhead, true);
        arm(cell, a, {{15, 13 + b}, {15, 16 + b}, {17, 15 + b}}, false);
        if (aimed) {
            mz = {26, 15 + b};
            blast = {8, 15 + b};
        }
        break;
    }
    }

    cell.outlineShapes(KEY, INK);
    if (mz.x >= 0) {
        flash(cell, mz, blast.x >= 0);
    }
    if (blast.x >= 0) {
        puff(cell, blast.x, blast.y);
    }
    // Walking frames keep their place so the cycle does not jitter; a firing
    // pose, flash and smoke included, is centred in its cell.
    Box ink = inkBox(cell, KEY, 0, 0, cell.w - 1, cell.h - 1);
    int shift = aimed ? (ink.x0 + ink.x1 - (CELL - 1)) / 2 : 0;
    Canvas out(CELL, CELL, KEY);
    out.paste(cell, -shift, 0);
    return out;
}

// Rows 0-5: three walking pairs, each left-facing row being the whole
// right-facing strip mirrored. Rows 6-11: the firing poses in column 0.
Canvas drawSheet(const Army& a, const Soldier (&types)[3]) {
    Canvas sheet(6 * CELL, 12 * CELL, KEY);
    for (int t = 0; t < 3; ++t) {
        Canvas strip(6 * CELL, CELL, KEY);
        for (int f = 0; f < 6; ++f) {
            strip.paste(drawSoldier(a, types[t], WALK[f]), f * CELL, 0);
        }
        sheet.paste(strip, 0, (2 * t) * CELL);
        sheet.paste(strip.mirrored(), 0, (2 * t + 1) * CELL);
        Canvas shot = drawSoldier(a, types[t], FIRING);
        sheet.paste(shot, 0, (6 + 2 * t) * CELL);
        sheet.paste(shot.mirrored(), 0, (7 + 2 * t) * CELL);
    }
    return sheet;
}

const Army KHAKI = {
    tones({210, 184, 128}, {174, 150, 98}, {124, 104, 64}),
    tones({128, 140, 72}, {94, 104, 52}, {60, 68, 32}),
    tones({150, 136, 92}, {112, 100, 64}, {76, 66, 40}),
    tones({128, 88, 52}, {92, 60, 34}, {62, 40, 22}),
    tones({214, 198, 150}, {184, 166, 118}, {140, 124, 84}),
    2,
};
const Army GREY_BROWN = {
    tones({138, 128, 108}, {104, 96, 80}, {70, 64, 54}),
    tones({150, 156, 158}, {112, 116, 120}, {72, 76, 80}),
    tones({80, 66, 48}, {56, 46, 34}, {38, 32, 24}),
    tones({78, 76, 74}, {46, 44, 44}, {28, 28, 30}),
    tones({78, 76, 74}, {46, 44, 44}, {28, 28, 30}),
    3,
};
const Army OLIVE_BROWN = {
    tones({150, 136, 80}, {118, 104, 56}, {82, 72, 36}),
    tones({122, 138, 64}, {90, 106, 44}, {58, 70, 28}),
    tones({140, 112, 70}, {106, 82, 48}, {72, 54, 30}),
    tones({110, 74, 44}, {78, 52, 30}, {52, 34, 20}),
    tones({150, 136, 80}, {118, 104, 56}, {82, 72, 36}),
    0,
};

constexpr int FACE_SIZE = 23;

using Ramp = std::array<Rgb, 4>;

const Ramp SKIN_RAMP = {Rgb{248, 204, 162}, Rgb{230, 174, 128}, Rgb{208, 148, 104},
                        Rgb{166, 108, 72}};

Canvas portraitMask() {
    return Canvas(FACE_SIZE, FACE_SIZE, OFF);
}

// Portraits are shaded as rounded forms: each pixel takes the tone of how far
// an ellipsoid through (cx, cy) faces a light from the upper left.
void roundShade(Canvas& c, const Canvas& m, double cx, double cy, double rx, double ry,
                const Ramp& ramp) {
    const double lx = -0.5, ly = -0.55, lz = 0.67;
    for (int y = 0; y < m.h; ++y) {
        for (int x = 0; x < m.w; ++x) {
            if (!on(m, x, y)) {
                continue;
            }
            double nx = (x - cx) / rx;
            double ny = (y - cy) / ry;
            double nz = std::sqrt(std::max(0.04, 1.0 - nx * nx - ny * ny));
            double len = std::sqrt(nx * nx + ny * ny + nz * nz);
            double d = (nx * lx + ny * ly + nz * lz) / len;
            int i = d > 0.86 ? 0 : d > 0.6 ? 1 : d > 0.25 ? 2 : 3;
            c.set(x, y, ramp[static_cast<size_t>(i)]);
        }
    }
}

Ramp ramp(const Tones& t) {
    return {shade(t.hi, 1.12), t.hi, t.mid, t.lo};
}

// Shoulders and collar across the bottom of a portrait.
void shoulders(Canvas& c, const Tones& cloth) {
    Canvas m = portraitMask();
    m.fill(1, 20, 21, 22, ON);
    m.fill(3, 19, 19, 19, ON);
    roundShade(c, m, 9, 25, 12, 8, ramp(cloth));
}

void neck(Canvas& c, int x0, int x1) {
    c.fill(x0, 15, x1, 20, SKIN_RAMP[3]);
    c.fill(x0, 15, x0 + 1, 19, SKIN_RAMP[2]);
}

// A face turned to the left: nose and far eye at the left, the ear at the right.
void faceLeft(Canvas& c) {
    Canvas m = portraitMask();
    m.ellipse(10, 12, 5, 6, ON);
    m.set(4, 13, ON);
    m.set(4, 14, ON);
    roundShade(c, m, 8, 11, 7, 8, SKIN_RAMP);
    Canvas ear = portraitMask();
    ear.fill(15, 11, 16, 14, ON);
    ear.set(16, 11, OFF);
    roundShade(c, ear, 15, 12, 3, 3, SKIN_RAMP);
    c.set(15, 12, SKIN_RAMP[3]);
    // Eyes under the brow, the far one foreshortened, both looking left.
    const Rgb eye{52, 34, 26};
    const Rgb brow{96, 62, 40};
    const Rgb lips{160, 84, 66};
    c.set(6, 12, eye);
    c.set(10, 12, eye);
    c.set(11, 12, WHITE);
    c.set(10, 11, brow);
    c.set(11, 11, brow);
    c.set(6, 11, brow);
    // Nose casting to the right, a mouth and the jaw line.
    c.set(4, 13, SKIN_RAMP[1]);
    c.set(4, 14, SKIN_RAMP[2]);
    c.set(5, 14, SKIN_RAMP[2]);
    c.set(6, 14, SKIN_RAMP[3]);
    c.set(6, 13, SKIN_RAMP[2]);
    c.set(6, 16, lips);
    c.set(7, 16, lips);
    c.set(8, 16, SKIN_RAMP[2]);
    c.set(12, 16, SKIN_RAMP[3]);
    c.set(13, 15, SKIN_RAMP[3]);
}

} // namespace

Canvas drawInfantrySheet1() {
    const Soldier types[3] = {{Hat::RoundHelmet, Gun::Rifle, true},
                              {Hat::RoundHelmet, Gun::Bazooka, false},
                              {Hat::MedicHelmet, Gun::MedicRifle, false}};
    return drawSheet(KHAKI, types);
}

Canvas drawInfantrySheet2() {
    const Soldier types[3] = {{Hat::SteelHelmet, Gun::StickSmg, false},
                              {Hat::SteelHelmet, Gun::Faust, false},
                              {Hat::PeakedCap, Gun::StickSmg, false}};
    return drawSheet(GREY_BROWN, types);
}

Canvas drawInfantrySheet3() {
    const Soldier types[3] = {{Hat::SoftCap, Gun::DrumSmg, true},
                              {Hat::SoftCap, Gun::Launcher, false},
                              {Hat::SoftCap, Gun::LongRifle, true}};
    return drawSheet(OLIVE_BROWN, types);
}

Canvas drawPortrait1() {
    Canvas c(FACE_SIZE, FACE_SIZE, KEY);
    shoulders(c, KHAKI.cloth);
    neck(c, 8, 13);
    faceLeft(c);
    // The helmet: a round dome over a rim that throws a shadow on the brow.
    Canvas dome = portraitMask();
    dome.ellipse(11, 8, 8, 7, ON);
    dome.fill(0, 9, FACE_SIZE - 1, FACE_SIZE - 1, OFF);
    roundShade(c, dome, 9, 6, 9, 8, ramp(KHAKI.gear));
    Canvas rim = portraitMask();
    rim.ellipse(11, 9, 9, 1, ON);
    paintShaded(c, rim, KHAKI.gear);
    for (int x = 5; x <= 15; ++x) {
        if (c.get(x, 11) != KEY) {
            c.set(x, 11, shade(c.get(x, 11), 0.78));
        }
    }
    // Chin strap hanging from the rim along the jaw.
    c.line(14, 11, 13, 17, KHAKI.kit.lo);
    c.outlineShapes(KEY, INK);
    return c;
}

Canvas drawPortrait2() {
    Canvas c(FACE_SIZE, FACE_SIZE, KEY);
    shoulders(c, GREY_BROWN.cloth);
    neck(c, 8, 14);
    Canvas face = portraitMask();
    face.ellipse(11, 14, 5, 6, ON);
    roundShade(c, face, 10, 12, 7, 8, SKIN_RAMP);
    const Rgb eye{52, 34, 26};
    const Rgb lips{160, 84, 66};
    c.set(8, 14, eye);
    c.set(9, 14, WHITE);
    c.set(12, 14, eye);
    c.set(13, 14, WHITE);
    c.set(11, 15, SKIN_RAMP[1]);
    c.set(11, 16, SKIN_RAMP[2]);
    c.set(12, 16, SKIN_RAMP[3]);
    c.set(10, 18, lips);
    c.set(11, 18, lips);
    c.set(12, 18, SKIN_RAMP[3]);
    // Collar patches on a dark collar.
    c.fill(5, 20, 7, 21, GREY_BROWN.gear.hi);
    c.fill(15, 20, 17, 21, GREY_BROWN.gear.hi);
    // A wide steel helmet: dome, a visor over the eyes, the skirt flaring
    // down over the ears.
    Canvas dome = portraitMask();
    dome.ellipse(11, 10, 9, 9, ON);
    dome.fill(0, 12, FACE_SIZE - 1, FACE_SIZE - 1, OFF);
    dome.fill(2, 12, 5, 14, ON);
    dome.fill(17, 12, 20, 14, ON);
    dome.fill(1, 14, 4, 15, ON);
    dome.fill(18, 14, 21, 15, ON);
    roundShade(c, dome, 9, 7, 11, 10, ramp(GREY_BROWN.gear));
    for (int x = 6; x <= 16; ++x) {
        c.set(x, 12, GREY_BROWN.gear.lo);
        if (c.get(x, 13) != KEY) {
            c.set(x, 13, shade(c.get(x, 13), 0.78));
        }
    }
    c.outlineShapes(KEY, INK);
    return c;
}

Canvas drawPortrait3() {
    Canvas c(FACE_SIZE, FACE_SIZE, KEY);
    shoulders(c, OLIVE_BROWN.cloth);
    neck(c, 8, 13);
    faceLeft(c);
    // Hair showing under the cap at the back of the head.
    const Rgb hair{86, 58, 36};
    c.fill(13, 9, 16, 10, hair);
    c.set(15, 11, hair);
    c.set(16, 11, hair);
    // A soft peaked cap: crown, band, the peak over the eyes and the badge.
    Canvas crown = portraitMask();
    crown.ellipse(11, 7, 7, 4, ON);
    crown.fill(4, 7, 18, 9, ON);
    roundShade(c, crown, 9, 5, 9, 6, ramp(OLIVE_BROWN.gear));
    for (int x = 4; x <= 18; ++x) {
        c.set(x, 9, OLIVE_BROWN.gear.lo);
    }
    Canvas peak = portraitMask();
    peak.fill(2, 10, 10, 10, ON);
    peak.fill(3, 11, 8, 11, ON);
    paintShaded(c, peak,
                {shade(OLIVE_BROWN.gear.lo, 0.9), shade(OLIVE_BROWN.gear.lo, 0.7),
                 shade(OLIVE_BROWN.gear.lo, 0.5)});
    c.set(8, 5, RED);
    c.set(7, 6, RED);
    c.set(8, 6, RED);
    c.set(9, 6, RED);
    c.set(8, 7, DARK_RED);
    c.set(7, 7, RED);
    c.set(9, 7, RED);
    c.outlineShapes(KEY, INK);
    return c;
}
