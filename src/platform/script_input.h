#pragma once

#include <SDL.h>

// The scripted machine that tests and the replay tool run the game on. Presses
// go onto the real SDL event queue; held buttons and the clock are set here.

// A held button stays held until it is released.
void holdButton(int button);
void releaseButton(int button);
void releaseAllButtons();

// Push a press (SDL_JOYBUTTONDOWN) or a release (SDL_JOYBUTTONUP) onto the real
// SDL queue. Returns false when SDL's queue is full and dropped the event.
bool pushPress(int button);
bool pushRelease(int button);

// Each reading of the clock returns `now` and then moves it on by `perRead`
// milliseconds, so that a busy wait ends after a known number of readings.
void setClock(Uint32 now, Uint32 perRead);
Uint32 clockNow();
// How many times the game has read the clock since the last setClock.
unsigned long clockReadings();

// Where the game stops for input: at the start of each battle pass, and in a
// screen that found the queue empty and keeps waiting.
enum class InputPoint { BattlePass, Waiting };

// Called at every input point; it may push presses and change held buttons.
// Without a hook a waiting screen could never be given anything, so the
// process stops with a message instead of spinning for ever.
using InputHook = void (*)(InputPoint point, void* context);
void setInputHook(InputHook hook, void* context);

// How many battle passes have begun since the program started.
unsigned long battlePasses();
// How many frames the game has presented since the program started.
unsigned long presentedFrames();
