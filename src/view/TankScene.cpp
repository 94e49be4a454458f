#include "view/TankScene.h"

#include "fish/School.h"
#include "settings/SettingsStore.h"
#include "view/Interaction.h"

namespace {

constexpr int kBubblesPerEmitter = 110;
// How far behind the tank's back wall each emitter stands.
constexpr float kEmitterDepths[TankScene::kBubbleEmitters] = {100.0f, 200.0f, 50.0f};
constexpr float kEmitterBelowBottom = 5.0f;
constexpr float kMarkerHome[3] = {0.0f, 0.0f, -70.0f};
// Pellets fall in just below the picked point.
constexpr float kFoodDropBelowPick = 2.0f;

}  // namespace

void TankScene::setUpPopulation()
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
    pickingBars.place(tankBounds);
}

void TankScene::prepareFood()
{
    for (FoodPellet& pellet : food)
        pellet.prepare();
}

void TankScene::advanceRamp()
{
    if (fishRamp < kMaxFishCount)
        ++fishRamp;
}

void TankScene::respondToFood(int i, int mode)
{
    if (mode == ModeFeed)
        ::respondToFood(fish[i], food);
}

void TankScene::pullFood(int i)
{
    ::pullFood(fish[i], food);
}

void TankScene::resolveCollisions(int i)
{
    ::resolveCollisions(fish, i);
}

void TankScene::dropFood(float pickX, float pickY)
{
    for (FoodPellet& pellet : food) {
        if (!pellet.isActive()) {
            pellet.spawn(pickX, pickY - kFoodDropBelowPick, kFoodDropDepth);
            pellet.setActive(true);
            return;
        }
    }
}

int TankScene::pelletsInWater() const
{
    int count = 0;
    for (const FoodPellet& pellet : food)
        count += pellet.isActive() ? 1 : 0;
    return count;
}
