#include "rules.h"

// Each test reads the position the tests before it left. A unit standing on
// the target makes no call at all, so its animation stops where it is.
void approachTarget(Sprite* unit, const Sprite* target) {
    if (unit->x > target->x) {
        unit->sheetRow = 32;
        walkStep(unit->x - 2, unit->y, unit);
    }
    if (unit->x < target->x) {
        unit->sheetRow = 0;
        walkStep(unit->x + 2, unit->y, unit);
    }
    if (unit->y > target->y) {
        walkStep(unit->x, unit->y - 2, unit);
    }
    if (unit->y < target->y) {
        walkStep(unit->x, unit->y + 2, unit);
    }
}

// Unlike a cursor's step: the frame advances at animTick 4, and the move
// points, not the bounds, decide whether the step is taken. Nothing tests
// the map or other units.
void walkStep(int32_t newX, int32_t newY, Sprite* unit) {
    if (unit->animTick == 4) {
        unit->animTick = 0;
        unit->frame += 1;
    }
    if (unit->movePoints > 0) {
        unit->movePoints -= 2;
        unit->x = newX;
        unit->y = newY;
    }
    if (unit->frame > unit->lastFrame) {
        unit->frame = 0;
    } else {
        unit->animTick += 1;
    }
}
