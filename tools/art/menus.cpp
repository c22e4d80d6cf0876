#include "pictures.h"

Canvas drawMenuBackground() { return Canvas(320, 240, {42, 63, 85}); }

Canvas drawMenuPointer() { return Canvas(16, 13, {192, 192, 192}); }

Canvas drawTitleSplash() { return Canvas(320, 240, {0, 0, 0}); }

Canvas drawBannerStrip() { return Canvas(320, 16, {0, 0, 0}); }

Canvas drawStatsPanel() { return Canvas(100, 100, {192, 192, 192}); }

Canvas drawAttackScreen() { return Canvas(320, 240, {101, 101, 101}); }

Canvas drawMenuHighlight() { return Canvas(100, 26, {255, 255, 255}); }

Canvas drawMoveRange() { return Canvas(160, 160, {255, 255, 255}); }

Canvas drawCursor() { return Canvas(32, 32, {255, 255, 255}); }

Canvas drawAttackCursor() { return Canvas(32, 32, {255, 255, 255}); }

Canvas drawPauseMenu() { return Canvas(100, 100, {255, 0, 0}); }

Canvas drawCommandMenu() { return Canvas(100, 100, {255, 0, 0}); }
