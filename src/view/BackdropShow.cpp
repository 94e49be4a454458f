#include "view/BackdropShow.h"

#include "view/KeptColor.h"

PictureCrop cropToAspect(int width, int height, double surfaceAspect)
{
    PictureCrop crop;
    if (width <= 0 || height <= 0 || surfaceAspect <= 0)
        return crop;
    const double pictureAspect = static_cast<double>(width) / height;
    if (pictureAspect > surfaceAspect)
        crop.widthScale = surfaceAspect / pictureAspect;
    else
        crop.heightScale = pictureAspect / surfaceAspect;
    return crop;
}

void BackdropShow::advance(const PictureTexture& wanted)
{
    if (wanted.name != shown.name) {
        previous = shown;
        shown = wanted;
        fadeFrame = 0;
    } else if (fadeFrame < kBackdropFadeFrames) {
        ++fadeFrame;
    }
}

void BackdropShow::draw(GLuint reefTexture, double surfaceAspect,
                        const std::function<void()>& drawPatch) const
{
    if (!isFading()) {
        drawLayer(shown, reefTexture, surfaceAspect, drawPatch);
        return;
    }
    drawLayer(previous, reefTexture, surfaceAspect, drawPatch);
    // The incoming picture over the outgoing one, on the very same surface: equal depths pass.
    const KeptColor keptColor;
    glPushAttrib(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDepthFunc(GL_LEQUAL);
    glColor4f(1.0f, 1.0f, 1.0f, static_cast<float>(fadeFrame) / kBackdropFadeFrames);
    drawLayer(shown, reefTexture, surfaceAspect, drawPatch);
    glPopAttrib();
}

void BackdropShow::drawLayer(const PictureTexture& picture, GLuint reefTexture,
                             double surfaceAspect, const std::function<void()>& drawPatch) const
{
    // A picture removed from the list meanwhile has lost its texture: the reef stands in.
    if (picture.name == 0 || glIsTexture(picture.name) == GL_FALSE) {
        glBindTexture(GL_TEXTURE_2D, reefTexture);
        drawPatch();
        return;
    }
    const PictureCrop crop = cropToAspect(picture.width, picture.height, surfaceAspect);
    glBindTexture(GL_TEXTURE_2D, picture.name);
    glMatrixMode(GL_TEXTURE);
    glPushMatrix();
    // About the centre: the patch's coordinates run right to left, the picture's left to right.
    glTranslated(0.5, 0.5, 0.0);
    glScaled(-crop.widthScale, crop.heightScale, 1.0);
    glTranslated(-0.5, -0.5, 0.0);
    glMatrixMode(GL_MODELVIEW);
    drawPatch();
    glMatrixMode(GL_TEXTURE);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}
