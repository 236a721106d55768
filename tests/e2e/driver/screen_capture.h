#pragma once

#include <windows.h>

#include "image.h"

// What the screen shows inside `area` (screen coordinates), windows on top included.
Image captureScreen(const RECT& area);
