// The living things of the tank and the rules a frame applies between them: the 50 fish slots and
// the ramp that lets the fish in, the 20 food slots, the three bubble emitters and where they
// stand, and the marker. Drawing them is the frame passes' business.
#pragma once

#include "fish/BubbleSystem.h"
#include "fish/Fish.h"
#include "fish/FoodPellet.h"
#include "fish/Marker.h"
#include "settings/AquariumSettings.h"
#include "tank/TankBounds.h"
#include "view/PickingBars.h"
#include "view/ViewCommands.h"

class TankScene {
public:
    static constexpr int kBubbleEmitters = 3;

    // Stands the bubble emitters below the tank and lets their bubbles rise a while, places the
    // fish, the marker and the picking bars, all inside `tankBounds`; the emitters warm up with
    // the settings' `bubbleCount`. Needs a current rendering context.
    void setUpPopulation(int bubbleCount);
    // Readies every food slot: its motion, its geometry, its texture.
    void prepareFood();

    // Lets one more fish in, up to all of them; every frame starts with it.
    void advanceRamp();

    // What fish `i` does about the food and the other fish once it has moved. Food draws fish
    // only in feed mode (`mode` is the view's interaction mode); pulling and eating happen in
    // every mode.
    void respondToFood(int i, int mode);
    void pullFood(int i);
    void resolveCollisions(int i);

    // Drops a pellet just below the picked point (x, y), into the first free slot; with every slot
    // in use, nothing is dropped.
    void dropFood(float pickX, float pickY);
    // What a mode's `action` does with a place picked at (x, y) (food, the marker), and with the
    // picked fish `i` (a touch, growing, shrinking); any other action does nothing there.
    void act(TankAction action, const PickState& place);
    void act(TankAction action, int i);
    int pelletsInWater() const;

    TankBounds tankBounds;  // the swimming volume, from the screen size at set-up
    int fishRamp = 0;       // fish released into the tank so far, one more per frame up to 50

    // Their constructors draw random numbers, so their order here is the order of those draws.
    Fish fish[kMaxFishCount];
    BubbleSystem bubbleEmitters[kBubbleEmitters];
    float emitterPositions[kBubbleEmitters][3] = {};  // where each emitter stands
    Marker marker;                                    // where the last click in marker mode went
    FoodPellet food[kFoodSlots];                      // the pellet slots

    PickingBars pickingBars;  // what clicks are picked against
};
