#pragma once

#include "world/world.h"

#include <SDL.h>

// Battle control: the battle loop and its dispatch of presses, the cursors'
// steps, the selection of a soldier with its command menu, and the two
// four-line menus.

inline constexpr int CMD_MOVE = 0;
inline constexpr int CMD_ATTACK = 1;
inline constexpr int CMD_SPECIAL = 2;
inline constexpr int CMD_CANCEL = 3;

inline constexpr int PAUSE_END_TURN = 0;
inline constexpr int PAUSE_LOAD = 1;
inline constexpr int PAUSE_SAVE = 2;
inline constexpr int PAUSE_EXIT_GAME = 3;

// Distance from a menu's top edge to the highlight frame of each line.
inline constexpr int HIGHLIGHT_OFFSETS[4] = {0, 26, 51, 75};

// What one run of the battle loop keeps between its passes.
struct BattleLoop {
    bool leaveBattle;
    SDL_Event event;
};

// One battle, from the records setupBattle left, until EXIT GAME is chosen
// and the queue has then been found empty.
void runBattle();
// The pieces of runBattle, for a test or a replay that drives it pass by pass:
// enterBattle once, then runBattlePass until it returns true.
void enterBattle(BattleLoop* loop);
bool runBattlePass(BattleLoop* loop);

// Move a Sprite to (newX, newY), each coordinate only within its own
// inclusive limits, ticking its frame animation on every call.
void boundedStep(int32_t newX, int32_t newY, Sprite* sprite);
// One D-pad step of a cursor. The camera-edge tests may refuse the press
// before boundedStep is called; then not even the animation ticks.
void moveCursorRight(Sprite* sprite);
void moveCursorLeft(Sprite* sprite);
void moveCursorUp(Sprite* sprite);
void moveCursorDown(Sprite* sprite);

// An X press: the command menu for each soldier under the cursor, in squad
// order, while X is still held when that soldier is reached.
void selectUnderCursor(Sprite* cursor, Sprite* squad);
// The command menu beside the soldier; returns the chosen line, 0 to 3.
int runCommandMenu(Sprite* soldier);

// The pause menu at its place; the cursor is hidden while it is open and
// active after, whatever it was before. Returns the chosen line, 0 to 3.
int runPauseMenu();

// The modal four-line menu: line 0 at every opening, UP and DOWN without
// wrap-around, one present per button press. It returns only when the
// queue is found empty after the accept press, so presses queued behind the
// accept still move the highlight.
int runFourLineMenu(Sprite* menu, int32_t x, int32_t y, int acceptButton);
