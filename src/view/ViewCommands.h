// Every command the view knows, one row each: how the popup menu offers it, and for an interaction
// mode how it looks (the pointer's picture, the hint that names it when chosen), what its clicks
// pick in the frames (a place in the tank, a fish, both, or nothing), whether releasing the button
// consumes the click, and what a hit does to the tank. The menu, the pointer, the hints, the frames'
// picks and the tank all read this one table.
//
// A mode is the identifier of the last command that reached the view; an identifier not in the
// table behaves like ModeNone.
#pragma once

#include "scene/TankAction.h"

#include <windows.h>

enum InteractionModeId : int {
    ModeTouch = 1035,          // a clicked fish reacts to the touch
    ModeFeed = 1036,           // a click drops a food pellet
    ModeZoomIn = 1037,         // a clicked fish grows
    ModeZoomOut = 1038,        // a clicked fish shrinks
    ModeNone = 1043,           // clicks do nothing
    ModeScreenCopy = 1045,     // a click ripples the picture
    ModePositionPick = 1046,   // a click runs the position pick alone
    ModeMarker = 1047,         // a click sends the marker to the clicked point
    ModeSwallowClickA = 1048,  // clicks do nothing and are consumed when the button goes up
    ModeSwallowClickB = 1049,  // the same
};

// Commands of the popup menu besides the modes.
enum ViewCommand : int {
    CommandFishSettings = 1034,      // the fish settings dialog
    CommandAquariumSettings = 1040,  // the aquarium settings dialog
    CommandExit = 1042,              // ends the program
    CommandCustomMusic = 1050,       // shows the custom music dialog
    CommandCustomBackground = 1052,  // shows the custom background dialog
};

struct ViewCommandRow {
    int id;
    const char* menuText;  // null: the menu does not offer it
    UINT menuIcon;
    UINT cursor;           // 0: the standard arrow
    const char* hint;      // null: choosing it shows no hint
    bool picksPlace;       // its frames drift the picking bars and find where clicks went
    bool picksFish;        // its frames look for the fish under a pressed button
    bool releaseConsumesClick;
    TankAction action;     // what a picked place, a picked fish or the click itself brings about
};

// The rows in the menu's order, then the modes the menu does not offer.
extern const ViewCommandRow kViewCommands[15];

// The row of `id`. An identifier the view does not know gets a row that is not in the menu and
// shows, picks and does nothing, as ModeNone does.
const ViewCommandRow& commandRow(int id);
