// The pictures of the two settings dialogs, in the tank's own art: the sheet of the fifteen kinds
// that the fish dialog's cells lie over, the small previews of the backgrounds, and the icons of
// the check boxes and the "about" button.
#pragma once

#include "Image.h"

// The fish dialog's sheet: a pale 500 x 512 canvas, each kind rendered from the tank's own mesh
// in its own skin, turned three-quarters toward the viewer, centred in its 100 x 90 cell of a
// 5 x 3 grid that starts 2 pixels in (kind k in row k / 5, column k % 5), its upper left corner
// left free for the count; below the grid the reef picture, faded to the same pale tone.
Image paintFishSheet();
constexpr int kSheetWidth = 500;
constexpr int kSheetHeight = 512;
constexpr int kSheetCellWidth = 100;
constexpr int kSheetCellHeight = 90;
constexpr int kSheetOrigin = 2;

// A 128 x 48 preview of background `choice` 1, 2 or 3: the tank before a plain, a graded or a
// cycling wall of colour, with a few fish.
Image paintBackgroundPreview(int choice);
constexpr int kPreviewWidth = 128;
constexpr int kPreviewHeight = 48;

// The check boxes' pair of 16 x 16 icons on the water tile: a ring when unchecked, a tick when
// checked; and the "about" button's icon, the application's fish.
Image paintCheckIcon(bool checked);
Image paintAboutIcon();
constexpr int kSmallIconSize = 16;
