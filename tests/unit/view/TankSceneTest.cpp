// The rules the scene applies between its living things, apart from drawing.
#include "view/TankScene.h"

#include "view/Interaction.h"

#include <gtest/gtest.h>

namespace {

TEST(TankScene, FoodDrawsFishOnlyInFeedModeAndElsewhereTheMarkStays)
{
    for (const int mode : {ModeNone, ModeTouch, ModeMarker, ModeScreenCopy, ModeFeed}) {
        TankScene scene;
        scene.fish[0].attracted = true;
        scene.respondToFood(0, mode);
        // With no food in the water, feed mode clears the mark; every other mode leaves it.
        EXPECT_EQ(scene.fish[0].attracted, mode != ModeFeed) << "mode " << mode;
    }
}

}  // namespace
