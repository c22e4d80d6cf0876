#include "pictures.h"

Canvas drawArmourSheet1() { return Canvas(64, 256, {192, 192, 192}); }

Canvas drawArmourSheet2() { return Canvas(64, 256, {192, 192, 192}); }

Canvas drawArmourSheet3() { return Canvas(64, 256, {192, 192, 192}); }
