// The backdrop picture: a deep reef wall seen through open water, for the curved wall behind the
// tank. 1024 x 512; nowhere pure black, since the program makes pure black transparent.
//
// The wall lays the picture's left edge on the right of the screen, so the painting is composed as
// seen on screen and mirrored at the end. On screen the picture is shown about 1.5 times taller than
// its pixels are wide, so shapes are painted squeezed by that much vertically. It also wraps across
// its width without a seam.
#pragma once

#include "Image.h"

constexpr int kBackdropWidth = 1024;
constexpr int kBackdropHeight = 512;

Image paintBackdrop();

// The picture as painted, before the mirroring, as the viewer sees it on the wall.
Image paintBackdropAsSeen();
