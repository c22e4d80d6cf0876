#include "canvas.h"
#include "pictures.h"

// The window's icon: a helmeted soldier's head peering over a hedge, on the
// menu's slate blue.
Canvas drawIcon() {
    const Rgb slate{42, 63, 85};
    const Rgb ink{20, 24, 18};
    const Rgb helmet{92, 104, 52};
    const Rgb helmetLight{128, 142, 74};
    const Rgb skin{214, 168, 124};
    const Rgb skinDark{168, 122, 86};
    const Rgb hedge{46, 110, 40};
    const Rgb hedgeLight{84, 150, 62};
    const Rgb hedgeDark{28, 72, 30};

    Canvas c(32, 32, slate);
    c.fill(9, 12, 23, 22, skin);
    c.fill(9, 19, 23, 22, skinDark);
    c.fill(11, 15, 13, 16, ink);
    c.fill(19, 15, 21, 16, ink);
    c.fill(15, 17, 17, 18, skinDark);
    c.ellipse(16, 8, 11, 5, helmet);
    c.fill(4, 9, 28, 11, helmet);
    c.fill(3, 12, 29, 13, ink);
    c.ellipse(12, 6, 4, 2, helmetLight);
    for (int i = 0; i < 6; ++i) {
        c.disc(2 + 6 * i, 23, 3, hedgeDark);
    }
    c.fill(0, 23, 31, 31, hedge);
    for (int i = 0; i < 6; ++i) {
        c.disc(4 + 6 * i, 26, 2, hedgeLight);
        c.disc(1 + 6 * i, 30, 2, hedgeDark);
    }
    c.outlineShapes(slate, ink);
    return c;
}
