// The application icon: a small tank of deep water with a banded orange fish and a bubble.
#pragma once

#include "Image.h"

Image paintAppIcon(int size);
