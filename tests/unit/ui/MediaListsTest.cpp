// The media dialogs' rules without their windows: which track plays next, when the picture show
// changes pictures, and what their sections of the settings file hold.
#include "settings/IniFile.h"
#include "settings/SettingsStore.h"
#include "support/TestDirectory.h"
#include "ui/MediaListKeys.h"
#include "ui/MusicPlaylist.h"
#include "ui/PictureShow.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

TEST(MusicPlaylist, NextTrackFollowsTheModeTheStateAndTheSelection)
{
    const struct {
        int mode, state, current, selected;
        bool explicitSelection;
        int expected;
    } cases[] = {
        // Not playing: the selected item, else the first.
        {RepeatOne, NotStarted, -1, -1, false, 0},
        {RepeatAll, Stopped, -1, 2, false, 2},
        {RepeatOne, Stopped, 3, 1, true, 1},
        // Playing, picked by the user: the pick, whatever the mode.
        {RepeatOne, Playing, 0, 3, true, 3},
        {RandomOrder, Playing, 0, 2, true, 2},
        // Playing, at the end of a track.
        {RepeatOne, Playing, 2, -1, false, 2},
        {RepeatOne, Playing, 2, 1, false, 2},
        {RepeatAll, Playing, 1, -1, false, 2},
        {RepeatAll, Playing, 3, -1, false, 0},  // the last item goes on with the first
        // A current track beyond a list that shrank starts it over.
        {RepeatOne, Playing, 7, -1, false, 0},
    };
    for (const auto& c : cases) {
        MusicPlaylist list{c.mode, c.state, c.current};
        EXPECT_EQ(list.nextTrack(4, c.selected, c.explicitSelection), c.expected)
            << "mode " << c.mode << " state " << c.state << " current " << c.current
            << " selected " << c.selected;
    }
    EXPECT_EQ(MusicPlaylist{}.nextTrack(0, -1, false), -1) << "an empty list has no track";
}

TEST(MusicPlaylist, RandomPicksDrawOnRandAndUnplayableTracksAreSkippedInOrder)
{
    MusicPlaylist list{RandomOrder, Playing, 0};
    std::srand(7);
    const int first = std::rand() % 5;
    std::srand(7);
    EXPECT_EQ(list.nextTrack(5, -1, false), first);
    std::srand(7);
    EXPECT_EQ((MusicPlaylist{RandomOrder, Stopped, -1}.nextTrack(5, -1, false)), first)
        << "a stopped random list with nothing selected starts anywhere";

    EXPECT_EQ((MusicPlaylist{RepeatAll, Playing, 1}.trackAfterUnplayable(3)), 2);
    EXPECT_EQ((MusicPlaylist{RepeatAll, Playing, 2}.trackAfterUnplayable(3)), 0);
    EXPECT_EQ((MusicPlaylist{RepeatOne, Playing, 1}.trackAfterUnplayable(3)), -1)
        << "repeating one file that cannot play has nothing else to try";
    std::srand(1);
}

PictureShow showOf(std::initializer_list<unsigned> pictures, int mode)
{
    PictureShow show;
    show.pictures = pictures;
    show.pictureMode = mode;
    show.start();
    return show;
}

TEST(PictureShow, ChangesOnTheFirstTickThenOnceEachInterval)
{
    PictureShow show = showOf({11, 12, 13}, ShowAllPictures);
    std::vector<int> changes;
    for (int tick = 0; tick < 60; ++tick)
        if (show.tick(5))
            changes.push_back(tick);
    EXPECT_EQ(changes, (std::vector<int>{0, 25, 50})) << "five seconds are 25 ticks of 200 ms";

    PictureShow everyTick = showOf({11, 12}, ShowAllPictures);
    for (int tick = 0; tick < 4; ++tick)
        EXPECT_TRUE(everyTick.tick(0)) << "an empty interval box reads as 0 seconds";

    PictureShow stopped = showOf({11}, ShowOnePicture);
    stopped.stop();
    EXPECT_FALSE(stopped.tick(0));
    EXPECT_EQ(stopped.currentPicture, 0u);
}

TEST(PictureShow, NextPictureByMode)
{
    PictureShow all = showOf({11, 12, 13}, ShowAllPictures);
    EXPECT_EQ(all.nextPicture(), 12u) << "with none current, repeat all starts at the second";
    all.currentPicture = 12;
    EXPECT_EQ(all.nextPicture(), 13u);
    all.currentPicture = 13;
    EXPECT_EQ(all.nextPicture(), 11u);
    EXPECT_EQ(showOf({11}, ShowAllPictures).nextPicture(), 11u);

    PictureShow one = showOf({11, 12, 13}, ShowOnePicture);
    EXPECT_EQ(one.nextPicture(), 11u);
    for (int tick = 0; tick < 100; ++tick)
        one.tick(0);
    EXPECT_EQ(one.currentPicture, 11u) << "repeat one never moves on by itself";

    std::srand(3);
    const unsigned expected = 11 + static_cast<unsigned>(std::rand() % 3);
    std::srand(3);
    EXPECT_EQ(showOf({11, 12, 13}, ShowRandomPicture).nextPicture(), expected);
    EXPECT_EQ(showOf({}, ShowAllPictures).nextPicture(), 0u);
}

TEST(PictureShow, RemovingKeepsTheCurrentPictureOnlyWhileItIsListed)
{
    PictureShow show = showOf({11, 12, 13}, ShowAllPictures);
    show.currentPicture = 13;
    show.removeAt(0);
    EXPECT_EQ(show.currentPicture, 13u);
    show.removeAt(1);
    EXPECT_EQ(show.currentPicture, 0u);
    show.removeAt(5);  // no such item
    EXPECT_EQ(show.pictures, (std::vector<unsigned>{12}));

    PictureShow only = showOf({11}, ShowOnePicture);
    only.tick(5);
    ASSERT_EQ(only.currentPicture, 11u);
    only.removeAt(0);
    EXPECT_EQ(only.currentPicture, 0u) << "removing the only picture leaves none current";
    EXPECT_FALSE(only.tick(0));
}

class MediaListKeysTest : public ::testing::Test {
protected:
    TestDirectory directory;
    IniFile file{directory.path() + "media.ini"};
};

TEST_F(MediaListKeysTest, BothSectionsRoundTripWithLongAndAccentedPaths)
{
    const std::string longPath = "C:\\" + std::string(300, 'p') + "\\picture one.png";
    MediaListState pictures{true, false, true, true, "12", {"C:\\My Pictures\\r\xe9" "cif.jpg", longPath}};
    saveMediaList(file, MediaList::Pictures, pictures);
    MediaListState music{false, true, false, true, "", {"D:\\Music\\one.wav"}};
    saveMediaList(file, MediaList::Music, music);

    EXPECT_EQ(loadMediaList(file, MediaList::Pictures), pictures);
    EXPECT_EQ(loadMediaList(file, MediaList::Music), music);
    EXPECT_EQ(file.readText(kCustomImagesSection, "ImageSum"), "2");
    EXPECT_EQ(file.readText(kCustomImagesSection, "RandomImage"), "1");
    EXPECT_EQ(file.readText(kCustomImagesSection, "CycImage"), "0");
    EXPECT_EQ(file.readText(kCustomSettingsSection, "CycMusic"), "1");
    EXPECT_EQ(file.readText(kCustomSettingsSection, "MusicList0"), "D:\\Music\\one.wav");
}

TEST_F(MediaListKeysTest, TenThousandMusicFilesRoundTripAndAShorterListLeavesNoneBehind)
{
    MediaListState music{false, true, false, true, "", {}};
    for (int track = 0; track < 10000; ++track)
        music.paths.push_back("D:\\Music\\track " + std::to_string(track) + ".wav");
    saveMediaList(file, MediaList::Music, music);
    EXPECT_EQ(loadMediaList(file, MediaList::Music), music);

    music.paths.resize(2);
    saveMediaList(file, MediaList::Music, music);
    EXPECT_EQ(file.readText(kCustomSettingsSection, "MusicSum"), "2");
    EXPECT_EQ(file.readText(kCustomSettingsSection, "MusicList2"), "");
    EXPECT_EQ(loadMediaList(file, MediaList::Music), music);
}

TEST_F(MediaListKeysTest, MissingAndMalformedKeysReadAsNothing)
{
    EXPECT_EQ(loadMediaList(file, MediaList::Pictures), MediaListState{});

    const struct {
        const char* count;
        size_t expectedPaths;
    } counts[] = {{"abc", 0}, {"-4", 0}, {"3", 2}, {"2000000000", 2}};
    for (const auto& c : counts) {
        file.writeText(kCustomImagesSection, "ImageSum", c.count);
        file.writeText(kCustomImagesSection, "ImageList0", "C:\\a.png");
        file.writeText(kCustomImagesSection, "ImageList2", "C:\\c.png");  // 1 is missing
        file.writeText(kCustomImagesSection, "OwnImage", "yes");
        const MediaListState state = loadMediaList(file, MediaList::Pictures);
        EXPECT_EQ(state.paths.size(), c.expectedPaths) << c.count;
        EXPECT_FALSE(state.enabled) << "only 1 checks a box";
    }
}

TEST_F(MediaListKeysTest, APathWithALineBreakIsLeftOutAndWritesNoKeyOfItsOwn)
{
    MediaListState music;
    music.paths = {"C:\\a.wav", "C:\\b.wav\r\nOwnMusic=1", "C:\\c.wav\n"};
    saveMediaList(file, MediaList::Music, music);
    const MediaListState loaded = loadMediaList(file, MediaList::Music);
    EXPECT_EQ(loaded.paths, (std::vector<std::string>{"C:\\a.wav"}));
    EXPECT_FALSE(loaded.enabled);
    EXPECT_EQ(file.readText(kCustomSettingsSection, "MusicSum"), "1");
}

}  // namespace
