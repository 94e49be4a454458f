// The mode and the button as the frames see them: which releases forget a press, which clicks
// wait for a place pick, and that a new mode drops the old one's clicks.
#include "view/Interaction.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<POINT> takeClicks(Interaction& interaction)
{
    std::vector<POINT> clicks;
    interaction.takeWaitingClicks([&clicks](POINT click) { clicks.push_back(click); });
    return clicks;
}

TEST(InteractionTest, EachModeKeepsOrForgetsAReleasedPressAndQueuesClicksAsItsRowSays)
{
    const struct {
        int mode;
        bool keptAfterRelease;
        bool waits;
    } cases[] = {{ModeNone, true, false},          {ModeTouch, true, false},
                 {ModeFeed, false, true},          {ModeZoomIn, false, false},
                 {ModeZoomOut, false, false},      {ModeScreenCopy, true, false},
                 {ModePositionPick, true, true},   {ModeMarker, true, true},
                 {ModeSwallowClickA, false, false}, {ModeSwallowClickB, false, false},
                 {4711, true, false}};
    for (const auto& c : cases) {
        Interaction interaction;
        interaction.enter(c.mode);
        EXPECT_EQ(interaction.mode(), c.mode) << "any command is the mode";
        interaction.press({30, 40});
        interaction.release();
        POINT press{};
        EXPECT_EQ(interaction.takeButtonPress(press), c.keptAfterRelease) << "mode " << c.mode;
        EXPECT_FALSE(interaction.takeButtonPress(press)) << "a press is taken once";
        EXPECT_EQ(takeClicks(interaction).size(), c.waits ? 1u : 0u) << "mode " << c.mode;
        EXPECT_TRUE(takeClicks(interaction).empty()) << "clicks are taken once";
    }
}

TEST(InteractionTest, ClicksWaitInOrderUpToEightAndANewModeDropsThem)
{
    Interaction interaction;
    EXPECT_FALSE(interaction.enter(ModeNone)) << "the view starts in no mode";
    ASSERT_TRUE(interaction.enter(ModeFeed));
    for (int c = 0; c < 10; ++c)
        interaction.press({c, 2 * c});
    const std::vector<POINT> clicks = takeClicks(interaction);
    ASSERT_EQ(clicks.size(), 8u);
    EXPECT_EQ(clicks[7].x, 7);
    EXPECT_EQ(clicks[7].y, 14);

    interaction.press({1, 1});
    EXPECT_FALSE(interaction.enter(ModeFeed)) << "the same mode again keeps its clicks";
    interaction.enter(ModeMarker);
    EXPECT_TRUE(takeClicks(interaction).empty()) << "feed clicks do not move the marker";
}

}  // namespace
