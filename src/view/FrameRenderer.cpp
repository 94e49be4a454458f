#include "view/FrameRenderer.h"

#include "fish/School.h"
#include "view/Interaction.h"
#include "view/KeptColor.h"
#include "view/SceneLight.h"
#include "view/TankPicking.h"

#include <GL/gl.h>


namespace {
constexpr int kBackdropTessellation = 2;
constexpr int kTerrainRelief = 1;
constexpr float kMarkerColor[3] = {1.0f, 0.85f, 0.3f};
// The ripple's square is stretched to half this tall (and as wide as the screen's shape asks).
constexpr double kRippleHalfSide = 1.01;
// Emitters draw their sheets this far from where they stand: well below and behind the fish.
constexpr float kEmitterDrawOffset[3] = {5.0f, -45.0f, -60.0f};
}  // namespace

void FrameRenderer::setFixedState() const
{
    glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glLightfv(GL_LIGHT1, GL_AMBIENT, sceneLight.ambient);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, sceneLight.diffuse);
    glLightfv(GL_LIGHT1, GL_POSITION, sceneLight.position);
    glEnable(GL_LIGHT1);
    glEnable(GL_COLOR_MATERIAL);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_BLEND);
}

void FrameRenderer::buildBackdrop(const TankBounds& tank)
{
    backdrop.buildGrid(tank, shared.settings.backgroundMode);
    backdrop.tessellation = kBackdropTessellation;
    backdrop.listName = backdrop.draw();
}

void FrameRenderer::setUpTerrain(const TankBounds& tank)
{
    terrain.setUp(static_cast<int>(tank.xMax - tank.xMin), static_cast<int>(-tank.zMin),
                  kTerrainRelief);
}

SIZE FrameRenderer::setSurfaceSize(SIZE size)
{
    camera.setSurfaceSize(size);
    return {camera.screenWidth, camera.screenHeight};
}

void FrameRenderer::loadPictures()
{
    textures.loadPictures(camera.screenWidth, camera.screenHeight);
}

void FrameRenderer::addRipple(POINT click)
{
    // The ripple grid counts up from the bottom of the picture.
    screenCopyEffect.addRipple(click.x, camera.screenHeight - click.y);
}

void FrameRenderer::setUpScreenCopy()
{
    screenCopyEffect.setSize(camera.screenWidth, camera.screenHeight);
}

BOOL FrameRenderer::renderFrame(TankScene& scene, Interaction& interaction)
{
    // The mode's row, looked up once for the frame's step, its picks and what their hits do.
    const ViewCommandRow& modeRow = interaction.modeRow();
    // The tank makes every change of the frame before anything is drawn. Nothing drawn reads
    // what the tank changes, and the passes before the fish draw no random numbers, so the
    // pixels and the order of random numbers are those of drawing each thing as it moves.
    scene.step(shared.settings, modeRow.action);
    views.place(camera, {backdrop, scene.bounds()}, shared.settings.autoViews != 0,
                shared.views);
    camera.apply();
    // A backdrop that covers every pixel goes first and lays down every pixel's colour and depth
    // itself: the buffers need no clearing, and it needs no depth test against a buffer that
    // holds nothing yet. Everything after it is depth-tested against it as before, so the fish
    // behind it stay hidden and the picture is the same, for less of the driver's work.
    const bool backdropFirst = backdropHidesWall(scene.bounds());
    if (!backdropFirst)
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const Rgb light = applyLighting();
    wall.draw(shared.settings, scene.bounds(), shared.phases, backdropFirst);
    applyFog(light);
    backdropShow.advance(userPicture);
    if (backdropFirst)
        drawBackdropOverEverything();
    overlay.draw();
    hideIdleCursor();
    drawFish(scene.frame);
    if (!backdropFirst)
        drawBackdrop();
    drawMarker(scene);
    drawBubbles(scene);
    glDisable(GL_LIGHTING);
    drawFood(scene.frame);
    if (modeRow.picksPlace)
        pickPlaces(scene, interaction, modeRow.action);
    if (modeRow.picksFish)
        pickFishUnderButton(scene, interaction, modeRow.action);
    if (interaction.mode() == ModeScreenCopy)
        drawScreenRipple();

    glFinish();
    return ::SwapBuffers(wglGetCurrentDC());
}

void FrameRenderer::pickPlaces(TankScene& scene, Interaction& interaction, TankAction action)
{
    // The bars are drawn white and fully transparent, though nothing of them reaches the screen.
    glColor4f(1.0f, 1.0f, 1.0f, 0.0f);
    scene.driftPickingBars();
    interaction.takeWaitingClicks([&scene, action](POINT click) {
        scene.act(action, pickPosition(scene.pickingBars, scene.bounds(), click));
    });
    glColor4f(1.0f, 1.0f, 1.0f, 0.0f);
}

void FrameRenderer::pickFishUnderButton(TankScene& scene, Interaction& interaction,
                                        TankAction action)
{
    POINT press{};
    if (!interaction.takeButtonPress(press))
        return;
    // Only the fish the settings' counts show can be hit.
    const int shown = FishKindRanges(shared.settings.fishCount).shownCount();
    const int hit = pickFish(scene.fish, shown, press);
    if (hit >= 0)
        scene.act(action, hit);
}

void FrameRenderer::hideIdleCursor()
{
    if (cursorHideCounter.countFrame())
        ::SetCursor(nullptr);
}

Rgb FrameRenderer::applyLighting()
{
    if (lightPhaseStarted) {
        lightPhase = nextLightPhase(shared.settings, lightPhase);
    } else {
        lightPhase = shared.settings.lockForeRotation;
        lightPhaseStarted = true;
    }
    if (shared.settings.lockFore == 0)
        shared.phases.front = lightPhase;
    const Rgb colour = lightColor(shared.settings, lightPhase);
    for (int channel = 0; channel < 3; ++channel) {
        sceneLight.ambient[channel] = colour[channel];
        sceneLight.diffuse[channel] = colour[channel];
    }
    glLightfv(GL_LIGHT1, GL_AMBIENT, sceneLight.ambient);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, sceneLight.diffuse);
    glEnable(GL_LIGHTING);
    return colour;
}

void FrameRenderer::applyFog(const Rgb& light) const
{
    // The bubbles' pass switches it off again: they add light in front of the haze.
    const float density = fogDensityFor(shared.settings.fogDensity);
    if (density <= 0.0f) {
        glDisable(GL_FOG);
        return;
    }
    const Rgb haze = fogColorFor(light);
    const float colour[4] = {haze[0], haze[1], haze[2], 1.0f};
    glFogi(GL_FOG_MODE, GL_EXP2);
    glFogf(GL_FOG_DENSITY, density);
    glFogfv(GL_FOG_COLOR, colour);
    glEnable(GL_FOG);
}

bool FrameRenderer::backdropShown() const
{
    return shared.settings.backgroundMode == 0 && shared.settings.showTerra != 0;
}

bool FrameRenderer::backdropHidesWall(const TankBounds& tank) const
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
    BackgroundWall::corners(tank, wallCorners);
    return backdrop.hidesQuad(wallCorners, view);
}

void FrameRenderer::drawFish(const TankFrame& frame)
{
    // A fish's body is closed and its fins have a back side of their own, so every face turned
    // away lies behind a nearer one that faces the viewer: culling spares the rasteriser about
    // half of the fish's triangles and leaves no hole.
    glEnable(GL_CULL_FACE);
    for (int f = 0; f < frame.fishCount; ++f) {
        glBindTexture(GL_TEXTURE_2D, textures.fishTextures[frame.fishKind[f]]);
        Fish::draw(frame.fish[f]);
    }
    glDisable(GL_CULL_FACE);
}

void FrameRenderer::drawBackdropOverEverything()
{
    glPushAttrib(GL_DEPTH_BUFFER_BIT);
    glDepthFunc(GL_ALWAYS);
    drawBackdrop();
    glPopAttrib();
}

void FrameRenderer::drawBackdrop()
{
    if (!backdropShown())
        return;
    glPushMatrix();
    backdropShow.draw(textures.backgroundTexture, backdrop.aspectRatio(),
                      [this] { backdrop.listName = backdrop.draw(); });
    glPopMatrix();
}

void FrameRenderer::drawMarker(TankScene& scene)
{
    if (!scene.frame.markerShown)
        return;
    // A plain golden cone, lit like the fish, whatever texture and colour they left behind.
    const KeptColor keptColor;
    glPushAttrib(GL_ENABLE_BIT);
    glDisable(GL_TEXTURE_2D);
    glColor3fv(kMarkerColor);
    glPushMatrix();
    scene.marker.draw(scene.frame.marker);
    glPopMatrix();
    glPopAttrib();
}

void FrameRenderer::drawBubbles(TankScene& scene)
{
    // Bubbles add light: no fog, no depth test, source alpha onto what is there. Fog stays off
    // from here on, and the blend function stays for every later use of blending.
    glPushMatrix();
    glDisable(GL_FOG);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glEnable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    for (int e = 0; e < TankScene::kBubbleEmitters; ++e) {
        glPushMatrix();
        glTranslatef(scene.emitterPositions[e][0] + kEmitterDrawOffset[0],
                     scene.emitterPositions[e][1] + kEmitterDrawOffset[1],
                     scene.emitterPositions[e][2] + kEmitterDrawOffset[2]);
        scene.bubbleEmitters[e].draw();
        glPopMatrix();
    }
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    glPopMatrix();
}

void FrameRenderer::drawScreenRipple()
{
    // The copy stands where its square, stretched to the screen's shape, fills the view exactly.
    const double distance = kRippleHalfSide / SceneCamera::kNearHalfSide;
    float halfWidth, halfHeight;
    camera.halfExtentsAt(distance, halfWidth, halfHeight);
    // Made the first time it is needed: as large as the screen rounded up to powers of two,
    // 4 MB at 1024 x 768 and 64 MB at 3840 x 2160, for a mode most people never enter.
    if (textures.screenCopyTexture == 0)
        textures.createScreenCopyTarget(camera.screenWidth, camera.screenHeight);
    glPushMatrix();
    glTranslatef(static_cast<float>(camera.eyeX()), 0.0f,
                 static_cast<float>(camera.eyeZ() - distance));
    screenCopyEffect.draw(textures.screenCopyTexture, textures.screenCopyWidth,
                          textures.screenCopyHeight, halfWidth, halfHeight);
    glPopMatrix();
}

void FrameRenderer::drawFood(const TankFrame& frame)
{
    for (const PelletPose& pellet : frame.food)
        FoodPellet::draw(pellet);
}
