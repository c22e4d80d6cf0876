#include "control.h"

namespace {

// Half the screen: the camera-edge tests look at where the cursor stands
// against the middle of the view.
constexpr int32_t HALF_WIDTH = 160;
constexpr int32_t HALF_HEIGHT = 120;

} // namespace

// The frame advances on the call that finds animTick at 3, and wraps within
// that same call when it passes lastFrame; each coordinate is judged apart.
void boundedStep(int32_t newX, int32_t newY, Sprite* sprite) {
    if (sprite->animTick == 3) {
        sprite->frame += 1;
        sprite->animTick = 0;
    }
    if (sprite->minX <= newX && newX <= sprite->maxX) {
        sprite->x = newX;
    }
    if (sprite->minY <= newY && newY <= sprite->maxY) {
        sprite->y = newY;
    }
    if (sprite->frame > sprite->lastFrame) {
        sprite->frame = 0;
    } else {
        sprite->animTick += 1;
    }
}

// The camera never scrolls, so these tests keep a cursor to the left and upper
// part of the field: right stops at x 160 and down at y 128.
void moveCursorRight(Sprite* sprite) {
    if (battlefield.cameraX < battlefield.maxCameraX && sprite->x >= HALF_WIDTH) {
        return;
    }
    boundedStep(sprite->x + sprite->step, sprite->y, sprite);
}

void moveCursorLeft(Sprite* sprite) {
    if (battlefield.cameraX > 0 && sprite->x < battlefield.cameraX + HALF_WIDTH) {
        return;
    }
    boundedStep(sprite->x - sprite->step, sprite->y, sprite);
}

void moveCursorUp(Sprite* sprite) {
    if (battlefield.cameraY > 0 && sprite->y <= battlefield.cameraY + HALF_HEIGHT) {
        return;
    }
    boundedStep(sprite->x, sprite->y - sprite->step, sprite);
}

void moveCursorDown(Sprite* sprite) {
    if (battlefield.cameraY < battlefield.maxCameraY && sprite->y >= HALF_HEIGHT) {
        return;
    }
    boundedStep(sprite->x, sprite->y + sprite->step, sprite);
}
