#pragma once

#include <SDL.h>

// The desktop's tables from its keys and its pad to the GP2X buttons; -1 where
// a key or pad button means nothing to the game.
int buttonForKey(SDLKey key);
// Pad buttons in the fixed layout of the SDL 1.2 compatibility layer's game
// controller mode, mapped by the letters printed on the pad.
int buttonForPad(int padButton);
