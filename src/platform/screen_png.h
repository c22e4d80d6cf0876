#pragma once

#include <SDL.h>

// Write a surface (any pixel format) as an 8-bit RGB PNG without time stamp,
// so that the same frame always gives the same file. Returns false on failure.
bool writeSurfacePng(SDL_Surface* surface, const char* path);
