#include "platform/platform.h"
#include "rules.h"
#include "shell/shell.h"

#include <cstdio>
#include <initializer_list>

namespace {

bool held(int button) {
    return buttonHeld(joystick, button) != 0;
}

// Bounded to the 5 bytes of each text: a number too long to fit is cut short,
// never written past the end.
void fillNumber(char (&text)[NUMBER_TEXT_SIZE], int32_t value) {
    std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
}

void showStats(const Sprite* soldier) {
    statsPanel.x = STATS_PANEL_X;
    statsPanel.y = STATS_PANEL_Y;
    statsPanel.state = STATE_ACTIVE;
    portrait1.x = 250;
    portrait1.y = 155;
    portrait1.state = STATE_ACTIVE;
    fillNumber(lifeText, soldier->life);
    fillNumber(strengthText, soldier->strength);
    fillNumber(defenseText, soldier->defense);
}

void withdrawOrders(Sprite* soldier) {
    cursor.state = STATE_ACTIVE;
    attackCursor.state = STATE_INACTIVE;
    soldier->attackOrdered = 0;
    statsPanel.state = STATE_INACTIVE;
    portrait1.state = STATE_INACTIVE;
    soldier->statsShown = 0;
    soldier->moveOrdered = 0;
    moveRangeGrid.state = STATE_INACTIVE;
}

// Targets by index first, and at one index enemySquad1, enemySquad2, then
// enemyArmour. The first strike re-activates the cursor, so no later soldier
// or target matches in the same pass.
void strike(Sprite* soldier) {
    for (int j = 0; j < SQUAD_SIZE; ++j) {
        for (Sprite* squad : {enemySquad1, enemySquad2, enemyArmour}) {
            Sprite* target = &squad[j];
            if (targetOverlaps(&cursor, soldier) && spritesOverlap(&attackCursor, target)) {
                attackCursor.state = STATE_INACTIVE;
                cursor.state = STATE_ACTIVE;
                exchangeBlows(soldier, target);
                return;
            }
        }
    }
}

void ruleX(Sprite* soldier) {
    if (spritesOverlap(&cursor, soldier) || soldier->moveOrdered == 1) {
        soldier->moveOrdered = 0;
        moveRangeGrid.state = STATE_INACTIVE;
    }
    if (soldier->attackOrdered == 1) {
        strike(soldier);
    }
}

// Once marked, a soldier keeps filling the panel while R is held, and the
// highest marked index wins; only B clears the marks.
void ruleR(Sprite* soldier) {
    if (spritesOverlap(&cursor, soldier)) {
        soldier->statsShown = 1;
        showStats(soldier);
    } else if (soldier->statsShown == 1) {
        showStats(soldier);
    }
}

} // namespace

// Held buttons are read as the pass began; the state does not change within it.
void applyBattleRules() {
    if (held(BUTTON_Y)) {
        attackScreen.state = STATE_INACTIVE;
        presentFrame();
    }
    bool holdB = held(BUTTON_B);
    bool holdX = held(BUTTON_X);
    bool holdR = held(BUTTON_R);
    for (Sprite& soldier : playerSquad) {
        if (soldier.moveOrdered == 1) {
            approachTarget(&soldier, &cursor);
        }
        if (holdB) {
            withdrawOrders(&soldier);
        }
        if (holdX) {
            ruleX(&soldier);
        }
        if (holdR) {
            ruleR(&soldier);
        }
    }
}

// Nothing is clamped: the return blow falls even when the first has brought
// the defender to 0 or below, and a negative difference heals.
void exchangeBlows(Sprite* attacker, Sprite* defender) {
    if (attacker->attacksLeft <= 0) {
        return;
    }
    defender->life -= attacker->strength - defender->defense;
    attacker->life -= defender->counterStrength - attacker->defense;
    attackScreen.state = STATE_ACTIVE;
    attacker->animTick = 1;
    attacker->attacksLeft -= 1;
    attacker->attackOrdered = 0;
}
