#include "ui/CursorHideCounter.h"

int cursorHideCounter = 0;
