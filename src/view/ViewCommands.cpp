#include "view/ViewCommands.h"

#include "res/resource.h"

namespace {

constexpr bool kPlace = true;
constexpr bool kFish = true;
constexpr bool kConsumes = true;

}  // namespace

const ViewCommandRow kViewCommands[15] = {
    // id, menu text, menu icon, cursor, hint, picks a place, picks a fish, release consumes,
    // action
    {CommandFishSettings, "  Add/Delete Fish", IDI_MENU_FISH_COUNTS, 0, nullptr, false, false,
     false, TankAction::None},
    {ModeNone, "  Just Watch", IDI_MENU_WATCH, 0, "Watching - right-click for the menu", false,
     false, false, TankAction::None},
    {ModeFeed, "  Feed the Fish", IDI_MENU_FEED, IDC_CURSOR_FEED,
     "Feeding - click in the water to drop food", kPlace, false, kConsumes, TankAction::DropFood},
    {ModeTouch, "  Touch a Fish", IDI_MENU_TOUCH, IDC_CURSOR_TOUCH, "Touching - click a fish",
     false, kFish, false, TankAction::Touch},
    {ModeZoomIn, "  Grow a Fish", IDI_MENU_GROW, IDC_CURSOR_GROW,
     "Growing - click a fish to make it bigger", false, kFish, kConsumes, TankAction::Grow},
    {ModeZoomOut, "  Shrink a Fish", IDI_MENU_SHRINK, IDC_CURSOR_SHRINK,
     "Shrinking - click a fish to make it smaller", false, kFish, kConsumes, TankAction::Shrink},
    // The marker's frames also pick a fish under the pressed button, and do nothing with it.
    {ModeMarker, "  Place the Marker", IDI_MENU_MARKER, IDC_CURSOR_MARKER,
     "Marker - click where it should go", kPlace, kFish, false, TankAction::SendMarker},
    {ModeScreenCopy, "  Ripple the Water", IDI_MENU_RIPPLE, IDC_CURSOR_RIPPLE,
     "Ripples - click the water", false, false, false, TankAction::Ripple},
    {CommandAquariumSettings, "  Aquarium Settings", IDI_MENU_SETTINGS, 0, nullptr, false, false,
     false, TankAction::None},
    {CommandCustomBackground, "  Custom Background", IDI_MENU_BACKGROUND, 0, nullptr, false,
     false, false, TankAction::None},
    {CommandCustomMusic, "  Custom Music", IDI_MENU_MUSIC, 0, nullptr, false, false, false,
     TankAction::None},
    {CommandExit, "  Exit", IDI_MENU_EXIT, 0, nullptr, false, false, false, TankAction::None},
    {ModePositionPick, nullptr, 0, 0, nullptr, kPlace, false, false, TankAction::None},
    {ModeSwallowClickA, nullptr, 0, 0, nullptr, false, false, kConsumes, TankAction::None},
    {ModeSwallowClickB, nullptr, 0, 0, nullptr, false, false, kConsumes, TankAction::None},
};

const ViewCommandRow& commandRow(int id)
{
    static constexpr ViewCommandRow kUnknown{0,     nullptr, 0,     0,    nullptr,
                                             false, false,   false, TankAction::None};
    for (const ViewCommandRow& row : kViewCommands)
        if (row.id == id)
            return row;
    return kUnknown;
}
