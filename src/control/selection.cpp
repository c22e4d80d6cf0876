#include "control.h"
#include "platform/platform.h"
#include "shell/shell.h"

namespace {

// Whether CANCEL may send this soldier home: only to a home saved by a MOVE
// of the current battle. Anything but a player soldier keeps the old rule.
bool hasHomeThisBattle(const Sprite* soldier) {
    if (soldier >= playerSquad && soldier < playerSquad + SQUAD_SIZE) {
        return soldierHasHome[soldier - playerSquad];
    }
    return true;
}

void orderMove(Sprite* soldier) {
    moveRangeGrid.x = soldier->x - 64;
    moveRangeGrid.y = soldier->y - 64;
    moveRangeGrid.state = STATE_ACTIVE;
    soldier->moveOrdered = 1;
    soldier->homeX = soldier->x;
    soldier->homeY = soldier->y;
    if (soldier >= playerSquad && soldier < playerSquad + SQUAD_SIZE) {
        soldierHasHome[soldier - playerSquad] = true;
    }
}

// The attack cursor may be stepped over the soldier's square and the eight around it.
void orderAttack(Sprite* soldier) {
    cursor.state = STATE_TARGETING;
    attackCursor.state = STATE_ACTIVE;
    attackCursor.x = soldier->x;
    attackCursor.y = soldier->y;
    attackCursor.minX = soldier->x - 32;
    attackCursor.maxX = soldier->x + 32;
    attackCursor.minY = soldier->y - 32;
    attackCursor.maxY = soldier->y + 32;
    soldier->moveOrdered = 0;
    soldier->attackOrdered = 1;
}

// A soldier whose animTick is 1 has struck (or stopped on that tick of its
// walk) and stays where it stands.
void cancelOrders(Sprite* soldier) {
    moveRangeGrid.state = STATE_INACTIVE;
    soldier->moveOrdered = 0;
    attackCursor.state = STATE_INACTIVE;
    if (soldier->animTick == 1 || !hasHomeThisBattle(soldier)) {
        return;
    }
    soldier->x = soldier->homeX;
    soldier->y = soldier->homeY;
    soldier->movePoints = TURN_MOVE_POINTS;
    cursor.x = soldier->homeX;
    cursor.y = soldier->homeY;
}

void applyCommand(int command, Sprite* soldier) {
    switch (command) {
    case CMD_MOVE:
        orderMove(soldier);
        break;
    case CMD_ATTACK:
        orderAttack(soldier);
        break;
    case CMD_CANCEL:
        cancelOrders(soldier);
        break;
    default:
        break;
    }
}

} // namespace

void selectUnderCursor(Sprite* selection, Sprite* squad) {
    for (int i = 0; i < SQUAD_SIZE; ++i) {
        Sprite* soldier = &squad[i];
        if (!spritesOverlap(selection, soldier)) {
            continue;
        }
        if (buttonHeld(joystick, BUTTON_X) == 0) {
            continue;
        }
        applyCommand(runCommandMenu(soldier), soldier);
    }
}

// Right of the soldier with tops level while there is room, otherwise left of
// it with bottoms level. The soldier's world position serves as a screen
// position: the camera never leaves the origin.
int runCommandMenu(Sprite* soldier) {
    int32_t x;
    int32_t y;
    if (soldier->y < soldier->maxY - 96 && soldier->x < soldier->maxX - 96) {
        x = soldier->x + 32;
        y = soldier->y;
    } else {
        x = soldier->x - 100;
        y = soldier->y - commandMenu.h + 32;
    }
    return runFourLineMenu(&commandMenu, x, y, BUTTON_A);
}
