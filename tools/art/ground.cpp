#include "pictures.h"

Canvas drawTileset() { return Canvas(257, 32, {120, 90, 50}); }

Canvas drawFlag1() { return Canvas(39, 20, {200, 30, 30}); }

Canvas drawFlag2() { return Canvas(40, 20, {30, 30, 200}); }

Canvas drawFlag3() { return Canvas(39, 20, {30, 160, 30}); }
