// The passes that draw one frame, in their fixed order, and the parts they draw with: the camera,
// the start-up text, the background wall, the backdrop and the textures. The order matters: each
// pass relies on the matrix, lighting, blending and depth state that the passes before it leave.
// A backdrop that covers the whole screen is drawn first, in place of clearing it; otherwise it
// comes after the fish, over the cleared screen and the wall.
#pragma once

#include "environment/BackdropPatch.h"
#include "environment/BackgroundWall.h"
#include "environment/RippleGrid.h"
#include "environment/TerrainLayers.h"
#include "scene/TankScene.h"
#include "settings/SharedSettings.h"
#include "ui/CursorHideCounter.h"
#include "view/BackdropShow.h"
#include "view/CameraViews.h"
#include "view/Interaction.h"
#include "view/SceneCamera.h"
#include "view/SceneLight.h"
#include "view/SceneTextures.h"
#include "view/TextOverlay.h"

#include <windows.h>

class FrameRenderer {
public:
    // Draws as `state` says, publishing the colour phases there, and counts the view's
    // `cursor` down each frame.
    FrameRenderer(SharedSettings& state, CursorHideCounter& cursor)
        : shared(state), cursorHideCounter(cursor)
    {
    }

    // Scene set-up's OpenGL state: texturing, smooth shading, the black clear colour, the depth
    // test, light 1 (not yet lighting itself) with colour material, and blending.
    void setFixedState() const;
    // The start-up text's font, from the surface's `dc`.
    void createFont(HDC dc) { overlay.createFont(dc); }
    // Lays the camera out for a surface of `size`; returns the screen size it draws for.
    SIZE setSurfaceSize(SIZE size);
    // Loads the backdrop picture and the fish skins for the screen size.
    void loadPictures();
    // Builds the backdrop's grid across the tank and draws it once, before its picture exists, as
    // the frames will draw it later.
    void buildBackdrop(const TankBounds& tank);

    // Sets up the sea floor for the tank's width and depth. It is not drawn: wherever it stands,
    // it hides more of the reef picture than it adds (tests/judged/sea-floor-layers.jpg).
    void setUpTerrain(const TankBounds& tank);
    // Gives the ripple effect the picture's size; its screen-copy target is made on the ripple
    // mode's first frame.
    void setUpScreenCopy();
    // The surface's new client size, for the ripple effect.
    void resizeScreenCopy(int width, int height) { screenCopyEffect.setSize(width, height); }
    // Starts a ripple round `click` (client pixels, counted down from the top).
    void addRipple(POINT click);

    // The start-up text, shown or hidden, and the hint that names a mode.
    void toggleOverlay() { overlay.toggle(); }
    bool isOverlayVisible() const { return overlay.isVisible(); }
    void showHint(const char* text) { overlay.showHint(text); }
    // The user's picture to show on the backdrop from the coming frame on; name 0: none.
    void showUserPicture(const PictureTexture& picture) { userPicture = picture; }

    // Steps `scene` one frame in the view's interaction mode and draws it, runs the picks the
    // mode and the waiting clicks ask for, and presents the frame; returns the buffer swap's
    // result.
    BOOL renderFrame(TankScene& scene, Interaction& interaction);

private:
    SceneCamera camera;        // projection, eye and viewport, from the screen size
    CameraViews views;         // where the views of the tank put the eye
    TextOverlay overlay;       // the start-up text
    BackgroundWall wall;       // the coloured wall behind everything
    BackdropPatch backdrop;    // the curved picture wall behind the fish
    SceneTextures textures;    // the backdrop picture and the fish skins
    TerrainLayers terrain;     // the sea floor's mesh and the layers' textures
    RippleGrid screenCopyEffect;  // the picture copied and rippled in the ripple mode
    PictureTexture userPicture;   // the user's picture to show on the backdrop; name 0: none
    BackdropShow backdropShow;    // the reef or the user's pictures on the backdrop, cross-faded

    // The picks of the frame's mode, and what its `action` does with their hits: every waiting
    // click's place, and the fish under a pressed button.
    void pickPlaces(TankScene& scene, Interaction& interaction, TankAction action);
    void pickFishUnderButton(TankScene& scene, Interaction& interaction, TankAction action);
    void hideIdleCursor();
    // Light 1 for this frame, which it returns: dimmed and tinted as the settings ask, its colour
    // phase moved on.
    Rgb applyLighting();
    // The water's haze over everything from the fish to the backdrop, under `light`.
    void applyFog(const Rgb& light) const;
    bool backdropShown() const;
    // Whether this frame's backdrop will cover every pixel the background wall would draw.
    bool backdropHidesWall(const TankBounds& tank) const;
    void drawFish(const TankFrame& frame);
    void drawBackdrop();
    // The backdrop as the frame's first picture: every pixel it covers takes its colour and
    // depth, whatever the buffers held.
    void drawBackdropOverEverything();
    void drawMarker(TankScene& scene);
    void drawBubbles(TankScene& scene);
    void drawFood(const TankFrame& frame);
    void drawScreenRipple();

    SharedSettings& shared;
    CursorHideCounter& cursorHideCounter;
    SceneLight sceneLight;           // light 1 as the frames set it
    float lightPhase = 0;            // the phase of the light's cycling or swaying colours
    bool lightPhaseStarted = false;  // the phase has been taken from the settings
};
