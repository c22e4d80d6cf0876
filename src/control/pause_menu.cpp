#include "control.h"
#include "platform/platform.h"

int runPauseMenu() {
    cursor.state = STATE_INACTIVE;
    int line = runFourLineMenu(&pauseMenu, pauseMenu.x, pauseMenu.y, BUTTON_START);
    cursor.state = STATE_ACTIVE;
    return line;
}
