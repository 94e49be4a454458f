#include "view/ViewRoles.h"

namespace {

// The preview is small and only a hint of the tank: half the display's rate is plenty.
constexpr int kPreviewFramesPerSecond = 30;

// role, menu, start-up text, pointer hidden at once, ends on input, frames a second, music,
// topmost, quits with its window
constexpr ViewRoleRow kViewRoles[] = {
    {ViewRole::Desktop, true, true, false, false, 0, true, false, false},
    {ViewRole::ScreenSaver, false, false, true, true, 0, true, true, false},
    // The preview stays silent, and ends with the window it is drawn into.
    {ViewRole::Preview, false, false, false, false, kPreviewFramesPerSecond, false, false, true},
};

}  // namespace

const ViewRoleRow& roleRow(ViewRole role)
{
    for (const ViewRoleRow& row : kViewRoles)
        if (row.role == role)
            return row;
    return kViewRoles[0];
}
