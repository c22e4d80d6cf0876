#include "pictures.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

const Rgb KEY{192, 192, 192};
const Rgb INK{26, 28, 24};

constexpr double PI = 3.14159265358979323846;

// Five tones of one material, the light coming from the upper left.
struct Paint {
    Rgb hi, lit, base, dark, deep;
};

Paint paintOf(Rgb base) {
    return {shade(base, 1.5), shade(base, 1.22), base, shade(base, 0.74), shade(base, 0.52)};
}

struct Pt {
    double x, y;
};

// Vertices sit on pixel corners: a pixel is filled when its centre lies inside.
void polygon(Canvas& c, const std::vector<Pt>& pts, Rgb col) {
    double minY = pts[0].y;
    double maxY = pts[0].y;
    for (const Pt& p : pts) {
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    for (int y = static_cast<int>(std::floor(minY)); y <= static_cast<int>(std::ceil(maxY)); ++y) {
        double cy = y + 0.5;
        std::vector<double> xs;
        for (size_t i = 0; i < pts.size(); ++i) {
            Pt a = pts[i];
            Pt b = pts[(i + 1) % pts.size()];
            if ((a.y <= cy && b.y > cy) || (b.y <= cy && a.y > cy)) {
                xs.push_back(a.x + (cy - a.y) * (b.x - a.x) / (b.y - a.y));
            }
        }
        std::sort(xs.begin(), xs.end());
        for (size_t i = 0; i + 1 < xs.size(); i += 2) {
            for (int x = static_cast<int>(std::ceil(xs[i] - 0.5)); x + 0.5 < xs[i + 1]; ++x) {
                c.set(x, y, col);
            }
        }
    }
}

// A track belt with rounded ends: the outer face with its links and the darker
// inner face that shows between the wheels.
void trackBelt(Canvas& c, int x0, int x1, int top, int bottom, Rgb rubber) {
    int r = (bottom - top) / 2;
    int mid = top + r;
    Rgb inner = shade(rubber, 0.7);
    Rgb link = shade(rubber, 1.45);
    c.disc(x0 + r, mid, r, rubber);
    c.disc(x1 - r, mid, r, rubber);
    c.fill(x0 + r, top, x1 - r, bottom, rubber);
    c.disc(x0 + r, mid, r - 2, inner);
    c.disc(x1 - r, mid, r - 2, inner);
    c.fill(x0 + r, top + 2, x1 - r, bottom - 2, inner);
    for (int x = x0 + r; x <= x1 - r; x += 2) {
        c.set(x, top, link);
        c.set(x, bottom, link);
        c.set(x + 1, bottom - 1, shade(rubber, 0.85));
    }
    for (int i = 0; i < 12; ++i) {
        double a = PI / 2 + PI * i / 11.0;
        c.set(x0 + r + static_cast<int>(std::lround(std::cos(a) * r)),
              mid + static_cast<int>(std::lround(std::sin(a) * r)), i % 2 ? link : rubber);
        c.set(x1 - r - static_cast<int>(std::lround(std::cos(a) * r)),
              mid + static_cast<int>(std::lround(std::sin(a) * r)), i % 2 ? link : rubber);
    }
}

// A road wheel with a rubber tyre, a lit rim on the upper left and a hub.
void roadWheel(Canvas& c, int cx, int cy, int r, const Paint& p, Rgb rubber) {
    c.disc(cx, cy, r, rubber);
    c.disc(cx, cy, r - 1, p.dark);
    if (r >= 3) {
        c.disc(cx, cy, r - 2, p.base);
        c.set(cx - (r - 2), cy - 1, p.lit);
        c.set(cx - 1, cy - (r - 2), p.lit);
        c.set(cx - (r - 2) + 1, cy - (r - 2) + 1, p.lit);
    }
    c.set(cx, cy, p.deep);
    if (r >= 4) {
        c.set(cx + 1, cy, p.dark);
        c.set(cx, cy + 1, p.dark);
        c.set(cx - 1, cy - 1, p.hi);
    }
}

// A toothed drive wheel.
void sprocket(Canvas& c, int cx, int cy, int r, const Paint& p) {
    for (int i = 0; i < 8; ++i) {
        double a = PI * i / 4.0;
        c.set(cx + static_cast<int>(std::lround(std::cos(a) * (r + 1))),
              cy + static_cast<int>(std::lround(std::sin(a) * (r + 1))), p.dark);
    }
    c.disc(cx, cy, r, p.dark);
    c.disc(cx, cy, r - 1, p.base);
    c.set(cx - 1, cy - 1, p.lit);
    c.set(cx, cy, p.deep);
}

// Five-pointed stars drawn by hand at the sizes the vehicles carry; `(x, y)` is the
// top-left corner, the lower right of each arm a shade darker.
void star(Canvas& c, int x, int y, int size, Rgb col) {
    // clang-format off
    static const std::vector<std::string> small = {
        "...X...",
        "..XXX..",
        "XXXXXXX",
        ".XXXXd.",
        "..XXd..",
        ".XXdXd.",
        ".X...d.",
    };
    // clang-format on
    // clang-format off
    static const std::vector<std::string> medium = {
        "....X....",
        "....X....",
        "...XXX...",
        "XXXXXXXXd",
        ".XXXXXXd.",
        "..XXXXd..",
        "..XXXXd..",
        ".XXd.XXd.",
        ".Xd...Xd.",
    };
    // clang-format on
    // clang-format off
    static const std::vector<std::string> large = {
        ".....X.....",
        "....XXX....",
        "....XXX....",
        "XXXXXXXXXXd",
        ".XXXXXXXXd.",
        "..XXXXXXd..",
        "..XXXXXXd..",
        ".XXXXdXXXd.",
        ".XXXd..XXd.",
        ".Xd......d.",
    };
    // clang-format on
    const auto& rows = size <= 7 ? small : (size <= 9 ? medium : large);
    paintGrid(c, x, y, rows, {{'X', col}, {'d', shade(col, 0.8)}});
}

// The upper body of a crewman, facing right, the top of his head at (x, y). The
// lower edge sits in a hatch or behind armour.
void crewman(Canvas& c, int x, int y, Rgb cloth, Rgb hat) {
    const Paint h = paintOf(hat);
    const Paint k = paintOf(cloth);
    const Rgb skin{222, 168, 128};
    const Rgb skinShade{178, 124, 92};
    paintGrid(c, x, y,
              {
                  "..HHHh..",
                  ".HLHHHh.",
                  "HHHHHHHd",
                  "..hSSSE.",
                  "..sSSSS.",
                  "...sSs..",
                  ".cCCCCc.",
                  "cLCCCCCc",
                  "cLCCCCCc",
                  "cCCCCCCc",
              },
              {{'H', h.base},
               {'L', h.lit},
               {'h', h.dark},
               {'d', h.deep},
               {'S', skin},
               {'s', skinShade},
               {'E', {60, 40, 30}},
               {'C', k.base},
               {'c', k.dark}});
    // The lit stripe on the tunic is the shoulder turned to the light.
    c.set(x + 1, y + 7, k.lit);
    c.set(x + 1, y + 8, k.lit);
}

// A hatch ring for a crewman to stand in.
void hatch(Canvas& c, int x0, int x1, int y, const Paint& p) {
    c.fill(x0, y, x1, y, p.deep);
    c.fill(x0 + 1, y - 1, x1 - 1, y - 1, p.dark);
    c.set(x0, y - 1, p.lit);
}

// The plain national cross: black arms edged in white; (x, y) is its top-left corner.
void cross(Canvas& c, int x, int y) {
    paintGrid(
        c, x, y,
        {"...WWW...", "...WKW...", "WWWWKWWWW", "WKKKKKKKW", "WWWWKWWWW", "...WKW...", "...WWW..."},
        {{'W', {236, 236, 232}}, {'K', {30, 30, 30}}});
}

Canvas sheet(const Canvas& first, const Canvas& second) {
    Canvas out(64, 256, KEY);
    out.paste(first, 0, 0);
    out.paste(first.mirrored(), 0, 64);
    out.paste(second, 0, 128);
    out.paste(second.mirrored(), 0, 192);
    return out;
}

void finish(Canvas& c) {
    c.outlineShapes(KEY, INK);
}

const Rgb RUBBER{58, 56, 52};
const Rgb GREY{112, 118, 122};
const Rgb OLIVE_GREEN{82, 100, 50};
const Rgb OLIVE_DRAB{104, 106, 56};

// A tyre with a few tread blocks round its rim and a small hub.
void tyre(Canvas& c, int cx, int cy, const Paint& p) {
    c.disc(cx, cy, 6, RUBBER);
    for (int i = 0; i < 10; ++i) {
        double a = PI * i / 5.0 + 0.3;
        c.set(cx + static_cast<int>(std::lround(std::cos(a) * 6)),
              cy + static_cast<int>(std::lround(std::sin(a) * 6)), shade(RUBBER, 1.45));
    }
    c.disc(cx, cy, 4, shade(RUBBER, 0.75));
    c.disc(cx, cy, 3, p.dark);
    c.disc(cx, cy, 2, p.base);
    c.set(cx - 1, cy - 2, p.lit);
    c.set(cx - 2, cy - 1, p.lit);
    c.set(cx, cy, p.deep);
}

// A low assault gun: no turret, a long gun through a sloped casemate.
Canvas assaultGun() {
    Canvas c(64, 64, KEY);
    const Paint p = paintOf(GREY);
    trackBelt(c, 4, 58, 44, 57, RUBBER);
    for (int i = 0; i < 6; ++i) {
        roadWheel(c, 13 + i * 7, 52, 3, p, RUBBER);
    }
    sprocket(c, 53, 48, 3, p);
    roadWheel(c, 9, 49, 3, p, RUBBER);
    // Lower hull and the fender over the tracks.
    polygon(c, {{3, 37}, {55, 37}, {61, 41}, {61, 45}, {3, 45}}, p.base);
    polygon(c, {{3, 37}, {55, 37}, {56, 38}, {3, 38}}, p.lit);
    polygon(c, {{55, 38}, {61, 42}, {61, 45}, {57, 45}}, p.dark);
    c.fill(3, 43, 60, 43, p.lit);
    c.fill(3, 44, 60, 44, p.deep);
    // The casemate.
    polygon(c, {{9, 37}, {51, 37}, {46, 27}, {12, 27}}, p.base);
    polygon(c, {{13, 24}, {44, 24}, {46, 27}, {12, 27}}, p.lit);
    c.fill(13, 24, 43, 24, p.hi);
    polygon(c, {{46, 27}, {51, 37}, {48, 37}, {44, 27}}, p.dark);
    c.fill(10, 36, 49, 36, p.dark);
    // Vision port and a hinge line.
    c.fill(38, 29, 41, 29, p.deep);
    c.line(12, 27, 9, 36, p.lit);
    cross(c, 23, 28);
    // Gun, with its cast mantlet and muzzle brake.
    c.fill(50, 31, 61, 31, p.lit);
    c.fill(50, 32, 61, 32, p.dark);
    c.fill(59, 30, 62, 33, p.base);
    c.fill(59, 30, 62, 30, p.lit);
    c.fill(59, 33, 62, 33, p.dark);
    c.set(60, 31, p.deep);
    c.set(60, 32, p.deep);
    c.ellipse(48, 32, 3, 4, p.base);
    c.set(46, 29, p.lit);
    c.set(47, 29, p.hi);
    c.set(46, 30, p.lit);
    c.set(50, 35, p.dark);
    c.set(49, 36, p.dark);
    // Exhaust at the rear.
    c.fill(1, 38, 3, 41, p.dark);
    c.fill(1, 38, 3, 38, p.lit);
    // The commander in his hatch at the back of the roof.
    crewman(c, 16, 14, {98, 104, 92}, {104, 108, 112});
    hatch(c, 15, 24, 24, p);
    finish(c);
    return c;
}

// A turreted vehicle coming straight at the viewer.
Canvas frontArmour() {
    Canvas c(64, 64, KEY);
    const Paint p = paintOf(GREY);
    // Tracks on both sides, their links running down the front.
    for (int side = 0; side < 2; ++side) {
        int x0 = side == 0 ? 5 : 48;
        c.fill(x0, 40, x0 + 10, 57, RUBBER);
        c.fill(x0 + 1, 41, x0 + 9, 56, shade(RUBBER, 0.8));
        for (int y = 42; y <= 56; y += 2) {
            c.fill(x0 + 1, y, x0 + 9, y, shade(RUBBER, 1.45));
        }
        c.fill(x0 + 5, 41, x0 + 5, 56, shade(RUBBER, 0.6));
        // Fender above the track.
        c.fill(x0 - 1, 36, x0 + 11, 39, p.base);
        c.fill(x0 - 1, 36, x0 + 11, 36, p.lit);
        c.fill(x0 - 1, 39, x0 + 11, 39, p.dark);
    }
    // Lower nose plate in shadow, glacis lit from above.
    c.fill(16, 44, 47, 56, p.dark);
    c.fill(16, 44, 47, 44, p.base);
    c.fill(16, 55, 47, 56, p.deep);
    polygon(c, {{14, 34}, {50, 34}, {48, 44}, {16, 44}}, p.base);
    polygon(c, {{15, 34}, {49, 34}, {49, 36}, {15, 36}}, p.lit);
    c.fill(16, 34, 47, 34, p.hi);
    // Driver's visor and the hull machine gun.
    c.fill(20, 38, 28, 40, p.dark);
    c.fill(21, 39, 27, 39, p.deep);
    c.fill(20, 38, 28, 38, p.lit);
    c.disc(41, 39, 2, p.dark);
    c.set(41, 39, INK);
    c.set(40, 38, p.lit);
    // Headlights on the fenders and towing eyes on the nose.
    c.disc(10, 34, 1, p.dark);
    c.set(9, 33, {236, 230, 190});
    c.disc(53, 34, 1, p.dark);
    c.set(52, 33, {236, 230, 190});
    c.fill(19, 52, 21, 53, p.deep);
    c.fill(42, 52, 44, 53, p.deep);
    // Turret: the face turned to the light on the left, the other in shade.
    polygon(c, {{18, 34}, {46, 34}, {43, 21}, {21, 21}}, p.base);
    polygon(c, {{18, 34}, {24, 34}, {25, 21}, {21, 21}}, p.lit);
    polygon(c, {{40, 34}, {46, 34}, {43, 21}, {39, 21}}, p.dark);
    polygon(c, {{22, 18}, {42, 18}, {43, 21}, {21, 21}}, p.lit);
    c.fill(22, 18, 41, 18, p.hi);
    c.fill(18, 33, 45, 33, p.deep);
    // Mantlet and the gun seen end on.
    c.fill(27, 23, 37, 32, p.dark);
    c.fill(27, 23, 37, 23, p.lit);
    c.fill(27, 23, 27, 32, p.base);
    c.disc(32, 28, 3, p.base);
    c.set(30, 26, p.hi);
    c.set(31, 26, p.lit);
    c.disc(32, 28, 1, INK);
    cross(c, 28, 46);
    // The gunner looks out of the hatch on the left of the roof.
    crewman(c, 21, 7, {98, 104, 92}, {104, 108, 112});
    hatch(c, 20, 29, 17, p);
    finish(c);
    return c;
}

// A sloped tank with five large wheels and its turret well forward.
Canvas redStarTank() {
    Canvas c(64, 64, KEY);
    const Paint p = paintOf(OLIVE_GREEN);
    trackBelt(c, 3, 60, 43, 57, RUBBER);
    for (int i = 0; i < 5; ++i) {
        roadWheel(c, 12 + i * 10, 51, 5, p, RUBBER);
    }
    // Hull: the deck seen from above, the side, and the glacis.
    polygon(c, {{4, 34}, {47, 34}, {61, 41}, {61, 45}, {3, 45}, {3, 37}}, p.base);
    polygon(c, {{7, 31}, {44, 31}, {48, 34}, {4, 34}}, p.lit);
    c.fill(8, 31, 43, 31, p.hi);
    polygon(c, {{47, 34}, {61, 41}, {61, 43}, {47, 36}}, p.lit);
    c.fill(3, 43, 60, 43, p.dark);
    c.fill(3, 44, 60, 44, p.deep);
    // A fuel drum on the rear of the hull side.
    c.fill(6, 36, 11, 40, p.dark);
    c.fill(6, 36, 11, 36, p.lit);
    c.fill(7, 38, 10, 38, p.deep);
    // Turret.
    polygon(c, {{19, 22}, {39, 22}, {46, 26}, {46, 32}, {17, 32}, {16, 26}}, p.base);
    polygon(c, {{21, 20}, {38, 20}, {40, 22}, {19, 22}}, p.lit);
    c.fill(21, 20, 37, 20, p.hi);
    polygon(c, {{16, 26}, {19, 22}, {21, 22}, {18, 26}}, p.lit);
    c.fill(17, 31, 45, 31, p.dark);
    c.fill(17, 32, 45, 32, p.deep);
    // Gun and mantlet.
    c.fill(44, 24, 48, 30, p.dark);
    c.fill(44, 24, 48, 24, p.lit);
    c.fill(48, 26, 61, 26, p.lit);
    c.fill(48, 27, 61, 27, p.dark);
    c.fill(60, 25, 62, 28, p.base);
    c.fill(60, 25, 62, 25, p.lit);
    // The red star on the turret side.
    star(c, 27, 23, 9, {204, 34, 30});
    // The gunner in blue.
    crewman(c, 24, 10, {56, 80, 156}, {52, 62, 104});
    hatch(c, 23, 32, 20, p);
    finish(c);
    return c;
}

// A wheeled armoured car with a small machine-gun turret.
Canvas armouredCar() {
    Canvas c(64, 64, KEY);
    const Paint p = paintOf(OLIVE_GREEN);
    // Chassis and axles in shadow under the body.
    c.fill(10, 44, 54, 48, p.deep);
    for (int x : {13, 25, 49}) {
        tyre(c, x, 50, p);
    }
    // Body: the tall fighting compartment behind a long sloped bonnet.
    polygon(c, {{4, 30}, {38, 30}, {44, 35}, {59, 37}, {61, 41}, {60, 45}, {4, 45}}, p.base);
    polygon(c, {{6, 28}, {37, 28}, {39, 30}, {4, 30}}, p.lit);
    c.fill(7, 28, 36, 28, p.hi);
    polygon(c, {{38, 30}, {44, 35}, {59, 37}, {59, 38}, {44, 36}, {38, 31}}, p.lit);
    polygon(c, {{59, 38}, {61, 41}, {60, 45}, {58, 45}}, p.dark);
    c.fill(4, 44, 60, 44, p.dark);
    // Mudguards over the wheels.
    for (int x : {13, 25, 49}) {
        c.fill(x - 6, 42, x + 6, 43, p.dark);
        c.fill(x - 6, 42, x + 6, 42, p.lit);
    }
    // Vision slits, the door and its hinges.
    c.fill(34, 32, 37, 32, p.deep);
    c.outline(27, 32, 33, 40, p.dark);
    c.fill(28, 32, 32, 32, p.lit);
    c.set(27, 34, p.deep);
    c.set(27, 38, p.deep);
    // Headlight at the front of the bonnet.
    c.set(58, 38, {236, 230, 190});
    c.set(58, 39, p.deep);
    // Turret with its machine gun.
    polygon(c, {{13, 21}, {29, 21}, {32, 24}, {32, 28}, {11, 28}, {11, 24}}, p.base);
    polygon(c, {{14, 19}, {28, 19}, {29, 21}, {13, 21}}, p.lit);
    c.fill(14, 19, 27, 19, p.hi);
    c.fill(11, 27, 32, 27, p.dark);
    c.fill(32, 23, 34, 26, p.dark);
    c.fill(34, 24, 45, 24, p.dark);
    c.fill(34, 24, 45, 24, shade(RUBBER, 1.2));
    c.fill(43, 23, 45, 25, shade(RUBBER, 1.1));
    // The red star on the body side.
    star(c, 14, 32, 9, {204, 34, 30});
    finish(c);
    return c;
}

// A tall tank with paired bogie wheels and a rounded nose.
Canvas whiteStarTank() {
    Canvas c(64, 64, KEY);
    const Paint p = paintOf(OLIVE_DRAB);
    trackBelt(c, 3, 60, 44, 58, RUBBER);
    sprocket(c, 56, 48, 3, p);
    roadWheel(c, 7, 50, 3, p, RUBBER);
    for (int b = 0; b < 3; ++b) {
        int x = 14 + b * 15;
        // Two wheels under a bogie housing, and the return roller on top of it.
        roadWheel(c, x - 4, 53, 4, p, RUBBER);
        roadWheel(c, x + 4, 53, 4, p, RUBBER);
        polygon(c, {{x - 3.0, 46}, {x + 4.0, 46}, {x + 6.0, 50}, {x - 5.0, 50}}, p.base);
        c.fill(x - 3, 46, x + 3, 46, p.lit);
        c.fill(x - 5, 50, x + 5, 50, p.deep);
        c.set(x, 48, p.deep);
        c.disc(x + 1, 45, 1, p.dark);
        c.set(x, 44, p.lit);
    }
    // Hull: deck, the tall side, and the rounded transmission cover at the nose.
    polygon(c, {{3, 31}, {48, 31}, {57, 36}, {61, 40}, {61, 44}, {3, 44}}, p.base);
    polygon(c, {{6, 28}, {46, 28}, {49, 31}, {3, 31}}, p.lit);
    c.fill(6, 28, 45, 28, p.hi);
    polygon(c, {{48, 31}, {57, 36}, {56, 37}, {47, 32}}, p.lit);
    polygon(c, {{58, 38}, {61, 40}, {61, 44}, {58, 44}}, p.dark);
    c.fill(3, 42, 60, 42, p.dark);
    c.fill(3, 43, 60, 43, p.deep);
    // Hull machine gun and the driver's hood.
    c.fill(54, 34, 58, 34, shade(RUBBER, 1.1));
    polygon(c, {{44, 27}, {50, 27}, {52, 31}, {43, 31}}, p.base);
    c.fill(45, 27, 49, 27, p.lit);
    // The white star on the hull side.
    star(c, 22, 32, 11, {238, 238, 228});
    // Turret: rounded, with a roof machine gun.
    polygon(c, {{21, 18}, {37, 18}, {42, 21}, {44, 25}, {43, 29}, {19, 29}, {17, 25}, {18, 21}},
            p.base);
    polygon(c, {{22, 16}, {36, 16}, {39, 18}, {20, 18}}, p.lit);
    c.fill(22, 16, 35, 16, p.hi);
    polygon(c, {{17, 25}, {18, 21}, {21, 18}, {22, 18}, {20, 21}, {19, 25}}, p.lit);
    c.fill(19, 28, 43, 28, p.dark);
    c.fill(18, 29, 44, 29, p.deep);
    // Gun and mantlet.
    c.fill(43, 20, 47, 27, p.dark);
    c.fill(43, 20, 47, 20, p.lit);
    c.fill(47, 23, 61, 23, p.lit);
    c.fill(47, 24, 61, 24, p.dark);
    c.fill(61, 22, 62, 25, p.base);
    c.fill(61, 22, 62, 22, p.lit);
    // The roof machine gun on its mount.
    c.fill(34, 12, 34, 15, shade(RUBBER, 1.2));
    c.fill(30, 11, 41, 11, shade(RUBBER, 1.3));
    c.fill(31, 12, 35, 12, shade(RUBBER, 1.1));
    // The gunner.
    crewman(c, 22, 6, {132, 122, 80}, {96, 100, 54});
    hatch(c, 21, 30, 16, p);
    finish(c);
    return c;
}

// An open field car: a driver, a gunner standing behind him and a machine gun on a post.
Canvas jeep() {
    Canvas c(64, 64, KEY);
    const Paint p = paintOf(OLIVE_DRAB);
    const Rgb khaki{132, 122, 80};
    const Paint k = paintOf(khaki);
    const Rgb gunMetal = shade(RUBBER, 1.25);
    // Spare wheel on the tail.
    c.disc(5, 40, 4, RUBBER);
    c.disc(5, 40, 2, p.dark);
    c.set(5, 40, p.base);
    c.set(4, 39, p.lit);
    // Seat backs inside the tub.
    c.fill(9, 31, 12, 37, p.deep);
    c.fill(9, 31, 12, 31, p.dark);
    c.fill(28, 32, 30, 37, p.deep);
    c.fill(28, 32, 30, 32, p.dark);
    // The gunner stands at the back, the driver sits in front.
    crewman(c, 12, 16, khaki, {96, 100, 54});
    c.fill(12, 26, 19, 37, k.base);
    c.fill(12, 26, 12, 37, k.dark);
    c.fill(19, 26, 19, 37, k.dark);
    c.fill(13, 26, 13, 32, k.lit);
    crewman(c, 31, 25, khaki, {96, 100, 54});
    c.fill(32, 35, 38, 37, k.base);
    c.fill(38, 35, 38, 37, k.dark);
    // The driver's arm and the steering wheel.
    c.fill(37, 32, 40, 33, k.dark);
    c.line(40, 30, 42, 36, INK);
    // The machine gun on its post, the gunner's hands on the grips.
    c.fill(22, 24, 22, 37, gunMetal);
    c.fill(23, 24, 23, 37, shade(RUBBER, 0.9));
    c.fill(18, 21, 29, 23, gunMetal);
    c.fill(18, 21, 29, 21, shade(RUBBER, 1.7));
    c.fill(29, 22, 43, 22, gunMetal);
    c.fill(42, 21, 43, 23, gunMetal);
    c.fill(24, 24, 26, 26, {96, 100, 54});
    c.fill(24, 24, 26, 24, {120, 124, 70});
    c.fill(18, 26, 20, 27, k.dark);
    c.set(20, 24, {222, 168, 128});
    c.set(20, 25, {222, 168, 128});
    c.fill(19, 26, 20, 26, k.base);
    // The tub, with the cut-away side where the driver climbs in.
    polygon(
        c, {{6, 37}, {27, 37}, {29, 40}, {37, 40}, {39, 37}, {57, 37}, {60, 39}, {60, 47}, {6, 47}},
        p.base);
    c.fill(6, 37, 26, 37, p.lit);
    c.fill(39, 37, 56, 37, p.lit);
    c.fill(29, 40, 36, 40, p.dark);
    c.fill(6, 46, 60, 46, p.dark);
    polygon(c, {{57, 37}, {60, 39}, {60, 47}, {58, 47}}, p.dark);
    c.fill(7, 42, 56, 42, p.dark);
    c.fill(7, 43, 56, 43, p.lit);
    // Grille, headlight and the folded-down windscreen on the bonnet.
    for (int y = 40; y <= 45; y += 2) {
        c.set(59, y, p.deep);
    }
    c.set(57, 38, {236, 230, 190});
    c.fill(40, 35, 50, 36, p.dark);
    c.fill(40, 35, 50, 35, p.lit);
    // Wheel wells cut into the body, the wheels standing in them.
    for (int x : {15, 49}) {
        for (int y = 42; y <= 47; ++y) {
            for (int dx = -8; dx <= 8; ++dx) {
                if (dx * dx + (y - 50) * (y - 50) <= 64) {
                    c.set(x + dx, y, p.deep);
                }
            }
        }
        tyre(c, x, 50, p);
    }
    star(c, 45, 38, 7, {238, 238, 228});
    finish(c);
    return c;
}

} // namespace

Canvas drawArmourSheet1() {
    return sheet(assaultGun(), frontArmour());
}

Canvas drawArmourSheet2() {
    return sheet(redStarTank(), armouredCar());
}

Canvas drawArmourSheet3() {
    return sheet(whiteStarTank(), jeep());
}
