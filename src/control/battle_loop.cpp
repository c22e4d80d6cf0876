#include "control.h"
#include "platform/platform.h"
#include "rules/rules.h"

namespace {

// The D-pad moves the attack cursor while an attack is aimed, otherwise the
// selection cursor, and nothing while neither is active.
Sprite* dpadTarget() {
    if (attackCursor.state == STATE_ACTIVE) {
        return &attackCursor;
    }
    if (cursor.state == STATE_ACTIVE) {
        return &cursor;
    }
    return nullptr;
}

void steer(void (*move)(Sprite*)) {
    if (Sprite* target = dpadTarget()) {
        move(target);
    }
}

void dispatch(BattleLoop* loop) {
    if (loop->event.type != SDL_JOYBUTTONDOWN) {
        return;
    }
    Uint8 button = loop->event.jbutton.button;
    if (button == BUTTON_START) {
        int line = runPauseMenu();
        if (line == PAUSE_EXIT_GAME) {
            loop->leaveBattle = true;
        } else if (line == PAUSE_END_TURN) {
            refreshTurn();
        }
    } else if (button == BUTTON_UP) {
        steer(moveCursorUp);
    } else if (button == BUTTON_DOWN) {
        steer(moveCursorDown);
    } else if (button == BUTTON_RIGHT) {
        steer(moveCursorRight);
    } else if (button == BUTTON_LEFT) {
        steer(moveCursorLeft);
    } else if (button == BUTTON_X) {
        selectUnderCursor(&cursor, playerSquad);
    }
}

} // namespace

void enterBattle(BattleLoop* loop) {
    pollInput(nullptr);
    loop->leaveBattle = false;
}

// A frame shows what the previous pass left; the presses waiting after the
// rules are all handled before the next frame. Leaving is decided only when
// the queue is found empty.
bool runBattlePass(BattleLoop* loop) {
    updateButtons();
    renderBattleFrame();
    applyBattleRules();
    while (pollInput(&loop->event)) {
        dispatch(loop);
    }
    return loop->leaveBattle;
}

void runBattle() {
    BattleLoop loop{};
    enterBattle(&loop);
    while (!runBattlePass(&loop)) {
    }
}
