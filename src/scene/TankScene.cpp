#include "scene/TankScene.h"

#include "fish/School.h"

namespace {

constexpr int kBubblesPerEmitter = 110;
// How far behind the tank's back wall each emitter stands.
constexpr float kEmitterDepths[TankScene::kBubbleEmitters] = {100.0f, 200.0f, 50.0f};
constexpr float kEmitterBelowBottom = 5.0f;
constexpr float kMarkerHome[3] = {0.0f, 0.0f, -70.0f};
// Pellets fall in just below the picked point.
constexpr float kFoodDropBelowPick = 2.0f;
// The marker swims to just below the picked point, at the bars' depth.
constexpr float kMarkerBelowPick = 2.0f;
constexpr float kMarkerDepth = -70.0f;
// How a touched fish reacts: a quarter turn (in the rear band) and a nudge of its speed.
constexpr float kTouchSpeedStep = 0.4f;
constexpr float kTouchSpeedTarget = 0.15f;
constexpr float kZoomStep = 2.0f;

}  // namespace

void TankScene::setUpPopulation(const TankBounds& tank, int bubbleCount)
{
    tankBounds = tank;
    for (int e = 0; e < kBubbleEmitters; ++e) {
        emitterPositions[e][0] = 0.0f;
        emitterPositions[e][1] = tankBounds.yMin - kEmitterBelowBottom;
        emitterPositions[e][2] = tankBounds.zMin - kEmitterDepths[e];
        bubbleEmitters[e].reset(kBubblesPerEmitter);
        bubbleEmitters[e].warmUp(kBubbleSettingMax - bubbleCount);
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

void TankScene::step(const AquariumSettings& settings, TankAction modeAction)
{
    if (fishRamp < kMaxFishCount)
        ++fishRamp;
    // Kinds are worked out afresh every frame, so changed counts re-skin fish without moving them.
    stepFish(FishKindRanges(settings.fishCount), modeAction == TankAction::DropFood);

    frame.markerShown = modeAction == TankAction::SendMarker && fishRamp == kMaxFishCount;
    if (frame.markerShown)
        frame.marker = marker.step();

    for (BubbleSystem& emitter : bubbleEmitters)
        emitter.step(kBubbleSettingMax - settings.bubbleCount);

    for (int slot = 0; slot < kFoodSlots; ++slot)
        frame.food[slot] = food[slot].isActive() ? food[slot].step() : PelletPose{};
}

void TankScene::stepFish(const FishKindRanges& kinds, bool foodDrawsFish)
{
    frame.fishCount = 0;
    const int swimming = kinds.swimmingCount(fishRamp);
    for (int i = 0; i < swimming; ++i) {
        const int kind = kinds.kindOf(i);
        if (kind >= 0) {
            frame.fish[frame.fishCount] = fish[i].step();
            frame.fishKind[frame.fishCount] = kind;
            ++frame.fishCount;
            answerFood(i, foodDrawsFish);
        }
        // A moved fish answers the food a second time before the collisions: each pull moves the
        // pellet again, so a fish pulls twice per frame.
        answerFood(i, foodDrawsFish);
        resolveCollisions(fish, i);
    }
}

void TankScene::answerFood(int i, bool foodDrawsFish)
{
    if (foodDrawsFish)
        respondToFood(fish[i], food);
    pullFood(fish[i], food);
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

void TankScene::act(TankAction action, const PickState& place)
{
    if (action == TankAction::DropFood)
        dropFood(place.pickX, place.pickY);
    else if (action == TankAction::SendMarker)
        marker.setTarget(place.pickX, place.pickY - kMarkerBelowPick, kMarkerDepth);
}

void TankScene::act(TankAction action, int i)
{
    Fish& touched = fish[i];
    switch (action) {
    case TankAction::Touch:
        touched.steerHeading(0.0f, true, HeadingRule::QuarterTurn);
        touched.approachSpeed(kTouchSpeedStep, kTouchSpeedTarget);
        break;
    case TankAction::Grow:
        touched.resize(kZoomStep, true);
        break;
    case TankAction::Shrink:
        touched.resize(kZoomStep, false);
        break;
    default:  // the marker's frames pick a fish and do nothing with it
        break;
    }
}

