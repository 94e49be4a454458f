// Composes and presents one frame. The passes run in a fixed order: each relies on the matrix,
// lighting, blending and depth state that the passes before it leave.
#include "view/AquariumView.h"

#include "settings/SettingsStore.h"
#include "view/InteractionMode.h"
#include "view/SceneLight.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {
constexpr int kCursorHideFrames = 100;
// Emitters draw their sheets this far from where they stand: well below and behind the fish.
constexpr float kEmitterDrawOffset[3] = {5.0f, -45.0f, -60.0f};
}  // namespace

BOOL AquariumView::renderFrame()
{
    fishRamp = fishRamp + 1 > kMaxFishCount ? kMaxFishCount : fishRamp + 1;

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (screenWidth > screenHeight) {
        const double halfWidth = 0.4 * screenWidth / screenHeight;
        glFrustum(-halfWidth, halfWidth, -0.4, 0.4, 1.0, 1000.0);
    } else {
        const double halfHeight = 0.4 * screenHeight / screenWidth;
        glFrustum(-0.4, 0.4, -halfHeight, halfHeight, 1.0, 1000.0);
    }

    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0.0, 0.0, cameraZOffset - 2.0, 0.0, 0.0, -500.0, 0.0, 1.0, 0.0);

    glViewport(0, 0, screenWidth, screenHeight);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    textOverlay.draw(overlayVisible);
    hideIdleCursor();
    applyFrameLighting();
    backgroundWall.draw(theSettings, tankBounds, backdropHidesWall());
    drawFish();
    drawBackdrop();
    drawMarker();
    drawBubbles();
    glDisable(GL_LIGHTING);
    drawFood();

    glFinish();
    return ::SwapBuffers(wglGetCurrentDC());
}

bool AquariumView::backdropShown() const
{
    return theSettings.backgroundMode == 0 && theSettings.showTerra != 0;
}

bool AquariumView::backdropHidesWall() const
{
    // The backdrop is drawn opaque after the wall (blending is off, or on with the initial
    // one-zero function on the first frame) and passes the depth test wherever it lies nearer
    // than what is there. Where it covers the whole screen in front of the wall, the wall's
    // colour and depth are overwritten wherever the fish between them do not overwrite them
    // first, and a fish behind the wall is behind the backdrop too: no pixel of the wall shows.
    if (!backdropShown())
        return false;
    ScreenProjection view;
    glGetDoublev(GL_MODELVIEW_MATRIX, view.modelview);
    glGetDoublev(GL_PROJECTION_MATRIX, view.projection);
    glGetIntegerv(GL_VIEWPORT, view.viewport);
    Point3d wallCorners[4];
    BackgroundWall::corners(tankBounds, wallCorners);
    return backdrop.hidesQuad(wallCorners, view);
}

void AquariumView::drawBackdrop()
{
    if (!backdropShown())
        return;
    glBindTexture(GL_TEXTURE_2D, backgroundTexture);
    glPushMatrix();
    backdrop.listName = backdrop.draw();
    glPopMatrix();
}

void AquariumView::drawMarker()
{
    if (InteractionMode != ModeMarker || fishRamp != kMaxFishCount)
        return;
    glPushMatrix();
    marker.drawAndGlide();
    glPopMatrix();
}

void AquariumView::drawBubbles()
{
    // Bubbles add light: no fog, no depth test, source alpha onto what is there. Fog stays off
    // from here on, and the blend function stays for every later use of blending.
    glPushMatrix();
    glDisable(GL_FOG);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glEnable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    for (int e = 0; e < kBubbleEmitters; ++e) {
        glPushMatrix();
        glTranslatef(emitterPositions[e][0] + kEmitterDrawOffset[0],
                     emitterPositions[e][1] + kEmitterDrawOffset[1],
                     emitterPositions[e][2] + kEmitterDrawOffset[2]);
        bubbleEmitters[e].draw(kBubbleSettingMax - theSettings.bubbleCount);
        glPopMatrix();
    }
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    glPopMatrix();
}

void AquariumView::drawFood()
{
    for (FoodPellet& pellet : food) {
        if (!pellet.isActive())
            continue;
        glPushMatrix();
        pellet.drawAndAdvance();
        glPopMatrix();
    }
}

void AquariumView::hideIdleCursor()
{
    if (cursorHideCounter >= kCursorHideFrames || ++cursorHideCounter == kCursorHideFrames)
        ::SetCursor(nullptr);
}

void AquariumView::applyFrameLighting()
{
    const float level = static_cast<float>(100 - theSettings.lightIntensity) * 0.01f;
    for (int channel = 0; channel < 3; ++channel) {
        sceneLight.ambient[channel] = level;
        sceneLight.diffuse[channel] = level;
    }
    glLightfv(GL_LIGHT1, GL_AMBIENT, sceneLight.ambient);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, sceneLight.diffuse);
    glEnable(GL_LIGHTING);
}
