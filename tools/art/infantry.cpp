#include "pictures.h"

Canvas drawInfantrySheet1() { return Canvas(192, 384, {192, 192, 192}); }

Canvas drawInfantrySheet2() { return Canvas(192, 384, {192, 192, 192}); }

Canvas drawInfantrySheet3() { return Canvas(192, 384, {192, 192, 192}); }

Canvas drawPortrait1() { return Canvas(23, 23, {192, 192, 192}); }

Canvas drawPortrait2() { return Canvas(23, 23, {192, 192, 192}); }

Canvas drawPortrait3() { return Canvas(23, 23, {192, 192, 192}); }
