// The aquarium view: the frame's only child, whose client area is the OpenGL surface. It owns the
// scene, keeps the state the mouse changes, and runs the frame loop on a 1 ms window timer.
#pragma once

#include "environment/BackdropPatch.h"
#include "environment/BackgroundWall.h"
#include "fish/BubbleSystem.h"
#include "fish/Fish.h"
#include "fish/FoodPellet.h"
#include "fish/Marker.h"
#include "framework/Dc.h"
#include "framework/Wnd.h"
#include "settings/AquariumSettings.h"
#include "view/FramePacer.h"
#include "tank/TankBounds.h"
#include "view/TextOverlay.h"

// Frames since the last mouse activity; the frame hides the cursor when it reaches 100.
extern int cursorHideCounter;
// The user's own music is playing (published by the music dialog); the built-in tune must not.
extern bool ownMusicPlaying;
// The built-in tune has to be (re)started as soon as own music is not playing.
extern bool builtInSoundPending;

class AquariumView : public CWnd {
public:
    AquariumView() = default;
    ~AquariumView() override;

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    BOOL PreTranslateMessage(MSG* msg) override;

    // Renders and presents one frame; returns the buffer swap's result.
    BOOL renderFrame();

    // What fish `i` does about the food and the other fish once it has moved. Food draws fish
    // only in feed mode; pulling and eating happen in every mode.
    void respondToFood(int i);
    void pullFood(int i);
    void resolveCollisions(int i);

    // Drops a pellet where a click in feed mode picked (x, y) in the tank, into the first free
    // slot; with every slot in use, nothing is dropped.
    void dropFood(float pickX, float pickY);
    int pelletsInWater() const;

    // A timer tick draws at most this many more frames that fall due before the next message.
    static constexpr int kMostFramesBetweenTicks = 6;

    int fishRampCount() const { return fishRamp; }
    bool isOverlayVisible() const { return overlayVisible; }
    bool isButtonDown() const { return buttonDown; }

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnSize(UINT type, int cx, int cy);
    BOOL OnEraseBkgnd(HDC dc);
    void OnPaint();
    void OnTimer(UINT_PTR id);
    void OnDestroy();
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    // Scene set-up: pixel format, rendering context, fixed GL state, settings; stops early on failure.
    void setUpScene();
    // Asks the driver to present at the display's refresh and sets the pacer to the same rate.
    void startFramePacing(HDC dc);
    void loadTextures();
    // Places the bubble emitters, the fish and the marker, and lets the bubbles rise a while.
    void setUpPopulation();
    void prepareFood();
    // Releases the rendering context and the DC and stops the frame timer.
    void tearDown();
    // One tick of the frame loop: the frame if it is due, sound supervision, the tick drain.
    void runTick(UINT_PTR id);
    // Waits until the next frame is due; false as soon as a message arrives first.
    bool awaitDueFrame();
    void superviseSound();
    void drainQueuedTicks();
    void applyFrameLighting();
    void hideIdleCursor();
    bool backdropShown() const;
    // Whether this frame's backdrop will cover every pixel the background wall would draw.
    bool backdropHidesWall() const;
    void drawBackdrop();
    void drawFish();
    void drawMarker();
    void drawBubbles();
    void drawFood();

    int fishRamp = 0;                // fish released into the tank so far, one more per frame up to 50
    bool overlayVisible = true;      // the start-up text overlay is shown; F1 toggles it
    int mouseX = 0;                  // last mouse position in client pixels
    int mouseY = 0;
    bool buttonDown = false;         // left button pressed and not yet consumed by a pick
    bool feedPickPending = false;    // a click in feed mode waits for a pick
    bool pickPending1046 = false;    // a click in mode 1046 waits for a pick
    bool markerPickPending = true;   // a click in marker mode waits for a pick
    int InteractionMode = 1043;      // identifier of the last command that reached the view
    int screenWidth = 1680;          // screen size in pixels, read at scene set-up
    int screenHeight = 1050;
    float cameraZOffset = -5.0f;     // added to the eye's z
    CClientDC* clientDC = nullptr;   // holds the pixel format and the rendering context

    static constexpr int kFishTextureCount = 17;  // the 15 kinds and two spare names
    TankBounds tankBounds;           // the swimming volume, from the screen size at set-up
    BackdropPatch backdrop;          // the curved picture wall behind the fish
    BackgroundWall backgroundWall;   // the coloured wall behind everything
    TextOverlay textOverlay;         // the start-up text
    unsigned backgroundTexture = 0;  // the backdrop picture
    unsigned fishTextures[kFishTextureCount] = {};  // skin k of fish kind k
    unsigned screenCopyTexture = 0;  // blank texture for the screen-copy effect
    FramePacer framePacer{FramePacer::displayRefreshHz(0)};

    // The living things of the tank. Their constructors draw random numbers, so their order here
    // is the order of those draws.
    Fish fish[kMaxFishCount];
    static constexpr int kBubbleEmitters = 3;
    BubbleSystem bubbleEmitters[kBubbleEmitters];
    float emitterPositions[kBubbleEmitters][3] = {};  // where each emitter stands
    Marker marker;                   // shows where the last click in marker mode went
    FoodPellet food[kFoodSlots];     // the pellet slots
};
