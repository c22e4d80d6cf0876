#pragma once

// The 25 pictures of the game, each a whole PNG file compiled in from
// assets/ at build time, with its length in bytes.

#define HEDGEROW_EMBEDDED(name)                                                                    \
    extern const unsigned char name[];                                                             \
    extern const unsigned int name##Size;

HEDGEROW_EMBEDDED(menuBackgroundImage)
HEDGEROW_EMBEDDED(menuPointerImage)
HEDGEROW_EMBEDDED(flagImage1)
HEDGEROW_EMBEDDED(flagImage2)
HEDGEROW_EMBEDDED(flagImage3)
HEDGEROW_EMBEDDED(portraitImage3)
HEDGEROW_EMBEDDED(portraitImage2)
HEDGEROW_EMBEDDED(portraitImage1)
HEDGEROW_EMBEDDED(armourSheet3)
HEDGEROW_EMBEDDED(armourSheet2)
HEDGEROW_EMBEDDED(armourSheet1)
HEDGEROW_EMBEDDED(infantrySheet3)
HEDGEROW_EMBEDDED(infantrySheet2)
HEDGEROW_EMBEDDED(infantrySheet1)
HEDGEROW_EMBEDDED(tilesetImage)
HEDGEROW_EMBEDDED(statsPanelImage)
HEDGEROW_EMBEDDED(attackScreenImage)
HEDGEROW_EMBEDDED(bannerStripImage)
HEDGEROW_EMBEDDED(menuHighlightImage)
HEDGEROW_EMBEDDED(moveRangeImage)
HEDGEROW_EMBEDDED(cursorImage)
HEDGEROW_EMBEDDED(pauseMenuImage)
HEDGEROW_EMBEDDED(commandMenuImage)
HEDGEROW_EMBEDDED(attackCursorImage)
HEDGEROW_EMBEDDED(titleSplashImage)

#undef HEDGEROW_EMBEDDED
