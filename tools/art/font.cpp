#include "pictures.h"

Canvas drawFont() { return Canvas(372, 24, {0, 0, 0}); }
