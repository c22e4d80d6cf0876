#include "control.h"
#include "platform/platform.h"
#include "shell/shell.h"

namespace {

void drawMenuLine(Sprite* menu, int32_t x, int32_t y, int line) {
    drawSpriteAt(menu, x, y);
    drawSpriteAt(&menuHighlight, x, y + HIGHLIGHT_OFFSETS[line]);
}

} // namespace

int runFourLineMenu(Sprite* menu, int32_t x, int32_t y, int acceptButton) {
    int line = 0;
    bool accepted = false;
    SDL_Event event;
    drawMenuLine(menu, x, y, line);
    presentFrame();
    pollInput(nullptr);
    while (true) {
        if (!pollInput(&event)) {
            if (accepted) {
                break;
            }
            awaitInput();
            continue;
        }
        if (event.type != SDL_JOYBUTTONDOWN) {
            continue;
        }
        int button = event.jbutton.button;
        if (button == acceptButton) {
            accepted = true;
        } else if (button == BUTTON_UP && line > 0) {
            --line;
            drawMenuLine(menu, x, y, line);
        } else if (button == BUTTON_DOWN && line < 3) {
            ++line;
            drawMenuLine(menu, x, y, line);
        }
        presentFrame();
    }
    return line;
}
