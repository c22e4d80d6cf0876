#pragma once

#include "buttons.h"

#include <SDL.h>

// The wall between the game and the machine it runs on. The game takes its
// presses, held buttons and time only from here; one source file per machine
// (the GP2X, a desktop, a test script) implements it, and the build links one.

// Called by main right after SDL_Init, before the display mode is set.
void platformStart();

// SDL_PollEvent for the game: presses arrive as SDL_JOYBUTTONDOWN events with
// the GP2X button number in `jbutton.button`, whatever produced them. A null
// event only pumps the event sources, as with SDL_PollEvent.
int pollInput(SDL_Event* event);

// Called by a screen that has found the queue empty and keeps waiting for the
// player; it polls again straight after. Nothing happens here on a console or
// a desktop; a test script uses it to give the next input.
void awaitInput();

// Called at the start of every battle pass, where the console's joystick
// state is refreshed (SDL_JoystickUpdate).
void updateButtons();

// Non-zero while the button is held down, like SDL_JoystickGetButton on the
// console's joystick; the game takes only the low 8 bits of the answer.
Uint8 buttonHeld(SDL_Joystick* joystick, int button);

// Show the composed frame: SDL_Flip of the display surface.
void presentScreen(SDL_Surface* screen);

// Milliseconds since SDL started, as SDL_GetTicks counts them.
Uint32 readTicks();
