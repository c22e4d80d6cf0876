#pragma once

#include "canvas.h"

// One function per picture of the game's catalogue. Each returns the whole
// picture at its catalogue size; the catalogue in catalogue.cpp says how it is
// stored and which colour key the game gives it.

// menus.cpp: the screens before a battle, the panels, menus and cursors.
Canvas drawMenuBackground();
Canvas drawMenuPointer();
Canvas drawTitleSplash();
Canvas drawBannerStrip();
Canvas drawStatsPanel();
Canvas drawAttackScreen();
Canvas drawMenuHighlight();
Canvas drawMoveRange();
Canvas drawCursor();
Canvas drawAttackCursor();
Canvas drawPauseMenu();
Canvas drawCommandMenu();

// icon.cpp: the desktop window's icon, not one of the game's pictures.
Canvas drawIcon();

// font.cpp: the glyph strip read from graficos/fuente.bmp.
Canvas drawFont();

// infantry.cpp: the three infantry sheets and their portraits.
Canvas drawInfantrySheet1();
Canvas drawInfantrySheet2();
Canvas drawInfantrySheet3();
Canvas drawPortrait1();
Canvas drawPortrait2();
Canvas drawPortrait3();

// vehicles.cpp: the three vehicle sheets.
Canvas drawArmourSheet1();
Canvas drawArmourSheet2();
Canvas drawArmourSheet3();

// ground.cpp: the tileset and the three flags.
Canvas drawTileset();
Canvas drawFlag1();
Canvas drawFlag2();
Canvas drawFlag3();
