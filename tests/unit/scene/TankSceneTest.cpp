// The rules the tank's step applies between its living things.
#include "scene/TankScene.h"

#include <gtest/gtest.h>

namespace {

TEST(TankScene, FoodDrawsFishOnlyWhenTheModeDropsFoodAndElsewhereTheMarkStays)
{
    AquariumSettings settings;
    settings.fishCount[0] = 1;  // the fish that steps
    for (const TankAction action : {TankAction::None, TankAction::Touch, TankAction::SendMarker,
                                    TankAction::Ripple, TankAction::DropFood}) {
        TankScene scene;
        scene.fish[0].attracted = true;
        scene.step(settings, action);
        // With no food in the water, feeding clears the mark; every other mode leaves it.
        EXPECT_EQ(scene.fish[0].attracted, action != TankAction::DropFood)
            << "action " << static_cast<int>(action);
    }
}

}  // namespace
