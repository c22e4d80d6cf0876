#pragma once

// The window's icon, a PNG compiled in from assets/icon.png.
extern const unsigned char hedgerowIcon[];
extern const unsigned int hedgerowIconSize;
