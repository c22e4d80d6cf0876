#include "platform/platform.h"
#include "rules.h"
#include "shell/shell.h"

Uint32 lastFrameTicks;
char lifeText[NUMBER_TEXT_SIZE];
char strengthText[NUMBER_TEXT_SIZE];
char defenseText[NUMBER_TEXT_SIZE];

namespace {

// Death takes effect here: a unit without life is switched off the moment
// it would be drawn, and nothing switches it on again this battle.
void drawUnits(Squad& squad) {
    for (Sprite& unit : squad) {
        if (unit.life <= 0) {
            unit.state = STATE_INACTIVE;
        } else if (unit.state != STATE_INACTIVE) {
            drawSpriteInView(&unit, screen);
        }
    }
}

void drawIfShown(Sprite* sprite) {
    if (sprite->state != STATE_INACTIVE) {
        drawSpriteInView(sprite, screen);
    }
}

} // namespace

// The screen is not cleared: the bottom 16 rows keep whatever was last drawn
// there, as on the console.
void composeBattleFrame() {
    drawTiles(&battlefield, battlefield.cameraX, battlefield.cameraY, screen);
    drawSpriteInView(&bannerStrip, screen);
    drawUnits(playerSquad);
    drawUnits(enemySquad1);
    drawUnits(enemySquad2);
    drawUnits(enemyArmour);
    drawIfShown(&moveRangeGrid);
    drawIfShown(&attackCursor);
    drawIfShown(&cursor);
    if (statsPanel.state != STATE_INACTIVE) {
        drawSpriteInView(&statsPanel, screen);
        // Screen positions taken from the panel's world position.
        drawText(lifeText, statsPanel.x + 78, statsPanel.y + 37, fontSurface, screen, 0, 0, 0);
        drawText(strengthText, statsPanel.x + 78, statsPanel.y + 53, fontSurface, screen, 0, 0, 0);
        drawText(defenseText, statsPanel.x + 78, statsPanel.y + 69, fontSurface, screen, 0, 0, 0);
    }
    drawIfShown(&portrait1);
    if (attackScreen.state != STATE_INACTIVE) {
        drawSprite(&attackScreen, screen);
    }
}

void renderBattleFrame() {
    composeBattleFrame();
    presentScreen(screen);
    paceFrame(BATTLE_FPS);
}

// The difference is unsigned, so the tick count wrapping past 2^32 - 1 does
// not disturb it. The new stamp is taken after the wait, so the next frame's
// measure includes all the work of its pass.
void paceFrame(int32_t fps) {
    Uint32 limit = static_cast<Uint32>(1000 / fps);
    while (readTicks() - lastFrameTicks < limit) {
    }
    lastFrameTicks = readTicks();
}
