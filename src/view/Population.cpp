// The tank's inhabitants, placed once at scene set-up.
#include "view/AquariumView.h"

#include "fish/School.h"
#include "settings/SettingsStore.h"

namespace {

constexpr int kBubblesPerEmitter = 110;
// How far behind the tank's back wall each emitter stands.
constexpr float kEmitterDepths[3] = {100.0f, 200.0f, 50.0f};
constexpr float kEmitterBelowBottom = 5.0f;
constexpr float kMarkerHome[3] = {0.0f, 0.0f, -70.0f};

}  // namespace

void AquariumView::setUpPopulation()
{
    for (int e = 0; e < kBubbleEmitters; ++e) {
        emitterPositions[e][0] = 0.0f;
        emitterPositions[e][1] = tankBounds.yMin - kEmitterBelowBottom;
        emitterPositions[e][2] = tankBounds.zMin - kEmitterDepths[e];
        bubbleEmitters[e].reset(kBubblesPerEmitter);
        bubbleEmitters[e].setColoured(false);
        bubbleEmitters[e].warmUp(kBubbleSettingMax - theSettings.bubbleCount);
    }
    placeFish(fish, tankBounds);
    marker.place(kMarkerHome[0], kMarkerHome[1], kMarkerHome[2]);
}

void AquariumView::prepareFood()
{
    for (FoodPellet& pellet : food)
        pellet.prepare();
}
