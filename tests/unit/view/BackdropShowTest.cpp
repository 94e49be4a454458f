// The user's pictures on the backdrop: cropped to its shape, and cross-faded when they change.
#include "view/BackdropShow.h"

#include "support/GlTestContext.h"

#include <gtest/gtest.h>

namespace {

constexpr GLuint kReef = 99;

// The picture a frame's backdrop shows on top: the texture bound when it draws the patch last.
GLuint topPicture(const BackdropShow& show)
{
    GLuint top = 0;
    show.draw(kReef, 2.0, [&top] {
        GLint bound = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        top = static_cast<GLuint>(bound);
    });
    return top;
}

TEST(BackdropShow, PicturesAreCroppedToTheSurfaceNotStretched)
{
    const struct {
        int width, height;
        double aspect, widthScale, heightScale;
    } cases[] = {
        {1600, 900, 2.0, 1.0, 0.888888889},  // taller than the surface: top and bottom go
        {4000, 1000, 2.0, 0.5, 1.0},         // wider: the sides go
        {800, 400, 2.0, 1.0, 1.0},           // the surface's own shape
        {3, 5, 1.5, 1.0, 0.4},               // odd sizes too
        {0, 5, 1.5, 1.0, 1.0},               // no size: shown whole
    };
    for (const auto& c : cases) {
        const PictureCrop crop = cropToAspect(c.width, c.height, c.aspect);
        EXPECT_NEAR(crop.widthScale, c.widthScale, 1e-6) << c.width << "x" << c.height;
        EXPECT_NEAR(crop.heightScale, c.heightScale, 1e-6) << c.width << "x" << c.height;
    }
}

TEST(BackdropShow, ANewPictureFadesInOverTheOldOneAndTheReefComesBack)
{
    GlTestContext gl;
    ASSERT_TRUE(gl.ready());
    GLuint picture = 0;
    glGenTextures(1, &picture);
    glBindTexture(GL_TEXTURE_2D, picture);

    BackdropShow show;
    show.advance({});
    EXPECT_FALSE(show.isFading()) << "the reef at start does not fade in";
    EXPECT_EQ(topPicture(show), kReef);

    show.advance({picture, 64, 32});
    EXPECT_TRUE(show.isFading());
    EXPECT_EQ(topPicture(show), picture);
    int frames = 1;
    while (show.isFading()) {
        show.advance({picture, 64, 32});
        ++frames;
    }
    EXPECT_EQ(frames, kBackdropFadeFrames + 1);

    show.advance({});
    EXPECT_TRUE(show.isFading()) << "the reef fades back in when the show stops";
    EXPECT_EQ(topPicture(show), kReef);
    glDeleteTextures(1, &picture);
}

}  // namespace
