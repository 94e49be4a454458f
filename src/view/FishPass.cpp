// The fish pass of every frame: which fish swim, in which skin, and what they do about the food
// and each other once they have moved.
#include "view/AquariumView.h"

#include "fish/School.h"
#include "settings/SettingsStore.h"
#include "view/InteractionMode.h"

#include <GL/gl.h>

namespace {
// Pellets fall in just below the picked point.
constexpr float kFoodDropBelowPick = 2.0f;
}  // namespace

void AquariumView::drawFish()
{
    // Kinds are worked out afresh every frame, so changed counts re-skin fish without moving them.
    const FishKindRanges kinds(theSettings.fishCount);
    const int swimming = kinds.swimmingCount(fishRamp);
    for (int i = 0; i < swimming; ++i) {
        glPushMatrix();
        glTranslatef(fish[i].x, fish[i].y, fish[i].z);
        const int kind = kinds.kindOf(i);
        if (kind >= 0) {
            glBindTexture(GL_TEXTURE_2D, fishTextures[kind]);
            fish[i].drawAndAdvance();
            respondToFood(i);
            pullFood(i);
        }
        glPopMatrix();
        respondToFood(i);
        pullFood(i);
        resolveCollisions(i);
    }
}

void AquariumView::respondToFood(int i)
{
    if (InteractionMode == ModeFeed)
        ::respondToFood(fish[i], food);
}

void AquariumView::pullFood(int i)
{
    ::pullFood(fish[i], food);
}

void AquariumView::resolveCollisions(int i)
{
    ::resolveCollisions(fish, i);
}

void AquariumView::dropFood(float pickX, float pickY)
{
    for (FoodPellet& pellet : food) {
        if (!pellet.isActive()) {
            pellet.spawn(pickX, pickY - kFoodDropBelowPick, kFoodDropDepth);
            pellet.setActive(true);
            return;
        }
    }
}

int AquariumView::pelletsInWater() const
{
    int count = 0;
    for (const FoodPellet& pellet : food)
        count += pellet.isActive() ? 1 : 0;
    return count;
}
