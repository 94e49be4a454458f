// The start-up text: which frames show it, what F1 does to it, and what the printer emits.
#include "view/TextOverlay.h"

#include "support/GlTestContext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int kSide = 128;

class TextOverlayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(gl.ready());
        overlay.createFont(gl.dc());
        // The overlay's camera: the eye at z = -7 looking down -z, the text 53 units ahead.
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glFrustum(-0.4, 0.4, -0.4, 0.4, 1, 1000);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glTranslatef(0, 0, 7);
        glClearColor(0, 0, 0, 0);
        glColor3f(1, 1, 1);
    }

    // Lit pixels after `draw` on a cleared frame.
    template <typename Draw>
    int litPixels(Draw draw)
    {
        glClear(GL_COLOR_BUFFER_BIT);
        draw();
        glFinish();
        std::vector<unsigned char> rgb(kSide * kSide * 3);
        glReadPixels(0, 0, kSide, kSide, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
        return static_cast<int>(std::count_if(rgb.begin(), rgb.end(), [](unsigned char c) {
            return c != 0;
        }));
    }

    // Draws one frame of the overlay and says whether any text showed.
    bool frameShowsText()
    {
        return litPixels([this] { overlay.draw(); }) > 0;
    }

    // Pixels of `text` printed large, ten units in front of the eye.
    int pixelsOf(const char* text)
    {
        return litPixels([&] {
            glPushMatrix();
            glTranslatef(-4.0f, 0.0f, -17.0f);
            overlay.print("%s", text);
            glPopMatrix();
        });
    }

    // How far printing `text` moves the drawing position along x.
    float advanceOf(const std::string& text)
    {
        float before[16], after[16];
        glGetFloatv(GL_MODELVIEW_MATRIX, before);
        overlay.print("%s", text.c_str());
        glGetFloatv(GL_MODELVIEW_MATRIX, after);
        return after[12] - before[12];
    }

    GlTestContext gl{kSide, kSide};
    TextOverlay overlay;
};

TEST_F(TextOverlayTest, ShowsForTwoHundredFramesThenHidesAndStartsCountingAgain)
{
    for (int frame = 1; frame <= 200; ++frame)
        ASSERT_TRUE(frameShowsText()) << "frame " << frame;
    EXPECT_FALSE(frameShowsText()) << "frame 201";
    EXPECT_FALSE(overlay.isVisible());
    EXPECT_FALSE(frameShowsText());

    overlay.toggle();  // F1 after it hid itself: another 200 frames
    for (int frame = 1; frame <= 200; ++frame)
        ASSERT_TRUE(frameShowsText()) << "frame " << frame << " after F1";
    EXPECT_FALSE(frameShowsText());
}

TEST_F(TextOverlayTest, HidingEarlyKeepsTheCountSoShowingAgainFinishesTheTwoHundred)
{
    for (int frame = 1; frame <= 50; ++frame)
        frameShowsText();
    overlay.toggle();  // F1 on frame 50
    for (int frame = 0; frame < 30; ++frame)
        EXPECT_FALSE(frameShowsText());

    overlay.toggle();  // F1 again
    int shown = 0;
    while (frameShowsText())
        ++shown;
    EXPECT_EQ(shown, 150);
}

TEST_F(TextOverlayTest, PrinterDrawsOutlinedCharactersAndSkipsCharacter255)
{
    EXPECT_GT(pixelsOf("A"), 0);
    EXPECT_GT(pixelsOf("AB"), pixelsOf("A"));
    EXPECT_EQ(pixelsOf("\xff"), 0);

    // Every character moves the drawing position by its advance, except character 255.
    EXPECT_FLOAT_EQ(advanceOf("\xff"), 0.0f);
    EXPECT_GT(advanceOf("A"), 0.0f);
}

TEST_F(TextOverlayTest, PrinterIgnoresANullFormatAndCutsLongTextSafely)
{
    EXPECT_EQ(litPixels([this] { overlay.print(nullptr); }), 0);
    EXPECT_FLOAT_EQ(advanceOf(std::string(1000, 'I')), advanceOf(std::string(255, 'I')));
    EXPECT_GT(advanceOf(std::string(255, 'I')), advanceOf(std::string(254, 'I')));
}

TEST_F(TextOverlayTest, TextIsPaleOverADarkShadowAndLeavesColorAndMaterialAsTheyWere)
{
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_TEXTURE_2D);
    glColor4f(0.2f, 0.3f, 0.4f, 1.0f);  // also the material, through colour material
    glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glPushMatrix();
    glScalef(4, 4, 1);  // the text large enough to fill pixels
    overlay.draw();
    glPopMatrix();
    glFinish();
    std::vector<unsigned char> rgb(kSide * kSide * 3);
    glReadPixels(0, 0, kSide, kSide, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    const auto count = [&](auto test) { return std::count_if(rgb.begin(), rgb.end(), test); };
    EXPECT_GT(count([](unsigned char c) { return c > 230; }), 30) << "pale text";
    EXPECT_GT(count([](unsigned char c) { return c < 40; }), 30) << "a dark shadow";

    float colour[4], material[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    glGetMaterialfv(GL_FRONT, GL_DIFFUSE, material);
    EXPECT_FLOAT_EQ(colour[0], 0.2f);
    EXPECT_FLOAT_EQ(material[0], 0.2f) << "the passes after the text keep their material";
    EXPECT_FLOAT_EQ(material[2], 0.4f);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
}

}  // namespace
