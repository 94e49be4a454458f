// The living things of the tank and the rules a frame applies between them: the 50 fish slots and
// the ramp that lets the fish in, the 20 food slots, the three bubble emitters and where they
// stand, the marker and the bars that clicks are picked against. A frame steps the tank first,
// making every change of the frame, and then draws what the step left behind.
#pragma once

#include "fish/BubbleSystem.h"
#include "fish/Fish.h"
#include "fish/FoodPellet.h"
#include "fish/Marker.h"
#include "fish/School.h"
#include "scene/PickingBars.h"
#include "scene/TankAction.h"
#include "settings/AquariumSettings.h"
#include "tank/TankBounds.h"

// What one step leaves for drawing: each living thing as it stood when it moved.
struct TankFrame {
    int fishCount = 0;                  // the fish posed this frame, the first `fishCount` slots
    FishPose fish[kMaxFishCount];
    int fishKind[kMaxFishCount] = {};   // the skin each posed fish is drawn with
    bool markerShown = false;
    MarkerPose marker;
    PelletPose food[kFoodSlots];        // a slot with no pellet in the water is not shown
};

class TankScene {
public:
    static constexpr int kBubbleEmitters = 3;

    // Makes `tank` the swimming volume; stands the bubble emitters below it and lets their
    // bubbles rise a while, places the fish, the marker and the picking bars inside it. The
    // emitters warm up with the settings' `bubbleCount`. Needs a current rendering context.
    void setUpPopulation(const TankBounds& tank, int bubbleCount);
    // Readies every food slot: its motion, its geometry, its texture.
    void prepareFood();

    // One frame of the tank, each change in its fixed order, which is also the order of their
    // random numbers: one more fish let in; each swimming fish of a kind the settings show
    // moves, answers the food twice (food draws fish only when `modeAction` drops food; pulling
    // and eating happen always) and then the other fish; a fish beyond every kind only answers
    // food and fish; the marker glides when `modeAction` sends it and every fish is in; the
    // bubbles rise; the food sinks. What drawing needs is left in `frame`.
    void step(const AquariumSettings& settings, TankAction modeAction);

    // Drops a pellet just below the picked point (x, y), into the first free slot; with every slot
    // in use, nothing is dropped.
    void dropFood(float pickX, float pickY);
    // What a mode's `action` does with a place picked at (x, y) (food, the marker), and with the
    // picked fish `i` (a touch, growing, shrinking); any other action does nothing there.
    void act(TankAction action, const PickState& place);
    void act(TankAction action, int i);
    // The picking bars sweep a tenth of a unit on, each within a unit of where it started.
    void driftPickingBars() { pickingBars.drift(tankBounds); }
    // The swimming volume, from the screen size at set-up.
    const TankBounds& bounds() const { return tankBounds; }

    int fishRamp = 0;       // fish released into the tank so far, one more per frame up to 50
    TankFrame frame;        // what the last step left for drawing

    // Their constructors draw random numbers, so their order here is the order of those draws.
    Fish fish[kMaxFishCount];
    BubbleSystem bubbleEmitters[kBubbleEmitters];
    float emitterPositions[kBubbleEmitters][3] = {};  // where each emitter stands
    Marker marker;                                    // where the last click in marker mode went
    FoodPellet food[kFoodSlots];                      // the pellet slots

    PickingBars pickingBars;  // what clicks are picked against

private:
    TankBounds tankBounds;

    void stepFish(const FishKindRanges& kinds, bool foodDrawsFish);
    // What fish `i` does about the food once it has moved.
    void answerFood(int i, bool foodDrawsFish);
};
