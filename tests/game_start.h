#pragma once

// SDL started as main starts it, with the dummy drivers: the 320x240 16-bit
// screen, the audio device and every battle picture, from the source folder
// so that the font is found where the game reads it. False when SDL would
// not start.
bool startLikeTheGame();
