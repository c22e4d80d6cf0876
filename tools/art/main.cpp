#include "catalogue.h"
#include "pictures.h"

#include <cstdio>
#include <string>

namespace {

// A picture that loses pixels of its own to the colour key once it is on the
// 16-bit display, or that has the wrong size, must never reach the game.
bool check(const Picture& p, const Canvas& c) {
    if (c.w != p.w || c.h != p.h) {
        std::fprintf(stderr, "%s: drawn %dx%d, catalogue says %dx%d\n", p.file, c.w, c.h, p.w, p.h);
        return false;
    }
    if (!p.key.used) {
        return true;
    }
    for (int y = 0; y < c.h; ++y) {
        for (int x = 0; x < c.w; ++x) {
            Rgb px = c.get(x, y);
            bool own = p.keyHidesNothing || !(px == p.key.colour);
            if (own && sameOnDisplay(px, p.key.colour)) {
                std::fprintf(stderr, "%s: pixel (%d, %d) = (%d, %d, %d) turns into the key\n",
                             p.file, x, y, px.r, px.g, px.b);
                return false;
            }
        }
    }
    return true;
}

} // namespace

// Usage: hedgerow-art ASSETS_DIR FONT_BMP
int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s ASSETS_DIR FONT_BMP\n", argv[0]);
        return 2;
    }
    std::string dir = argv[1];
    bool ok = true;
    for (const Picture& p : catalogue()) {
        Canvas c = p.draw();
        if (!check(p, c) || !writePng(dir + "/" + p.file, c, p.stored)) {
            ok = false;
        }
    }
    if (!writePng(dir + "/icon.png", drawIcon(), Stored::Rgb8)) {
        ok = false;
    }
    Canvas font = drawFont();
    if (font.w < FONT_WIDTH || font.h < FONT_HEIGHT) {
        std::fprintf(stderr, "font: %dx%d is smaller than %dx%d\n", font.w, font.h, FONT_WIDTH,
                     FONT_HEIGHT);
        ok = false;
    } else if (!writeBmp(argv[2], font)) {
        ok = false;
    }
    return ok ? 0 : 1;
}
