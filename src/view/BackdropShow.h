// The user's pictures on the backdrop: while their show runs, its current picture takes the reef
// picture's place, cropped to the backdrop's shape rather than stretched, and each change of
// picture (the reef's return included) cross-fades over a short moment instead of jumping.
#pragma once

#include "media/TextureLoader.h"

#include <windows.h>
#include <GL/gl.h>

#include <functional>

// The frames a cross-fade takes: about three quarters of a second at the display's 60 frames.
constexpr int kBackdropFadeFrames = 45;

// The part of a picture the backdrop shows: texture coordinates about the picture's centre are
// scaled by these factors (1 shows the whole side, less a centred part of it).
struct PictureCrop {
    double widthScale = 1.0;
    double heightScale = 1.0;
};

// The largest centred part of a `width` x `height` picture with the surface's aspect ratio
// (its width over its height).
PictureCrop cropToAspect(int width, int height, double surfaceAspect);

class BackdropShow {
public:
    // One frame on: `wanted` (name 0 for the reef) becomes the picture shown, fading in over the
    // one before when it is new.
    void advance(const PictureTexture& wanted);

    // Draws the backdrop with `drawPatch`, which sends the patch's geometry with texture
    // coordinates that run from 1 at its left edge to 0 at its right, and from 0 at the bottom to
    // 1 at the top. `reefTexture` is the picture shown when no user picture is.
    void draw(GLuint reefTexture, double surfaceAspect,
              const std::function<void()>& drawPatch) const;

    bool isFading() const { return fadeFrame < kBackdropFadeFrames; }

private:
    void drawLayer(const PictureTexture& picture, GLuint reefTexture, double surfaceAspect,
                   const std::function<void()>& drawPatch) const;

    PictureTexture shown{};     // the picture fading in or shown; name 0: the reef
    PictureTexture previous{};  // the picture fading out
    int fadeFrame = kBackdropFadeFrames;  // frames into the cross-fade
};
