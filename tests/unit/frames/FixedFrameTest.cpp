// The picture a fixed frame of the full tank shows, pixel for pixel, against the one recorded
// when the fish's bodies were last changed (closed at their ends, for culling): a faster frame
// must look the same.
//
// The test runs in a program of its own, so the C runtime's rand() starts from its default seed
// and the frame is the same frame every run: 50 fish, bubbles and pellets, the overlay hidden,
// read back after frame kShownFrame at 1024 x 768. With BLUEREEF_RECORD_FRAMES set it records
// the reference instead (tests/data/frames/); either way the frame shown and, when they differ,
// a picture of the differences are left in BLUEREEF_TEST_OUTPUT.
//
// Each architecture has its own recorded frame: the 64-bit build's differs from the 32-bit one's
// in 4 pixels, each by one step of one channel.
#include "media/PictureImage.h"
#include "settings/SettingsStore.h"
#include "view/AquariumView.h"

#include <GL/gl.h>

#include <gtest/gtest.h>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb_image_write.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr int kFishOfEachKind = 4;  // more than 50 in all: the tank is full
constexpr int kPelletFrame = 60;
constexpr int kPellets = 5;
constexpr int kShownFrame = 150;
// The recorded frame is matched exactly on the machine it was recorded on; another CPU may have
// the driver's compiled shaders round a channel the other way.
constexpr int kMostChannelDifference = 2;

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

void writeFullTankSettings()
{
    std::ofstream ini(settingsIniPath(), std::ios::trunc);
    ini << "[Fish Number]\r\n";
    for (int kind = 0; kind < kFishKinds; ++kind)
        ini << "Fish" << kind << "=" << kFishOfEachKind << "\r\n";
}

struct Frame {
    int width = kWidth;
    int height = kHeight;
    std::vector<std::uint8_t> rgba;
};

std::optional<Frame> renderFixedFrame()
{
    CWnd window;
    if (!window.CreateEx(0, nullptr, "fixed frame", WS_POPUP | WS_VISIBLE, 0, 0, kWidth, kHeight,
                         nullptr, nullptr))
        return std::nullopt;
    SharedSettings shared;
    TankScene tank;
    AquariumView view(shared, tank);
    if (!view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, kWidth, kHeight), &window,
                     AFX_IDW_PANE_FIRST))
        return std::nullopt;
    view.KillTimer(1);  // the test decides when frames are drawn
    MSG f1{view.m_hWnd, WM_KEYDOWN, VK_F1, 0, 0, {0, 0}};
    view.PreTranslateMessage(&f1);  // the start-up text fades by the clock, not by frames

    for (int frame = 1; frame <= kShownFrame; ++frame) {
        if (frame == kPelletFrame)
            for (int p = 0; p < kPellets; ++p)
                tank.dropFood(static_cast<float>(p * 10 - 20), 0.0f);
        view.renderFrame();
    }
    Frame shown;
    shown.rgba.resize(static_cast<size_t>(kWidth) * kHeight * 4);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, shown.rgba.data());
    window.DestroyWindow();
    return shown;
}

void writePng(const std::string& path, const Frame& frame)
{
    // Rows were read bottom up.
    stbi_flip_vertically_on_write(1);
    ASSERT_NE(stbi_write_png(path.c_str(), frame.width, frame.height, 4, frame.rgba.data(),
                             frame.width * 4),
              0)
        << path;
}

std::optional<Frame> readPng(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    const std::optional<PictureImage> picture = decodePicture(bytes.data(), bytes.size());
    if (!picture)
        return std::nullopt;
    return Frame{picture->width, picture->height, picture->pixels};
}

TEST(FixedFrameTest, TheFullTankLooksAsRecorded)
{
    ASSERT_EQ(::GetSystemMetrics(SM_CXSCREEN), kWidth) << "the view renders at the screen's size";
    ASSERT_EQ(::GetSystemMetrics(SM_CYSCREEN), kHeight);
    writeFullTankSettings();
    const std::optional<Frame> rendered = renderFixedFrame();
    ::DeleteFileA(settingsIniPath().c_str());
    ASSERT_TRUE(rendered) << "the view could not be created";
    const Frame& shown = *rendered;

    const std::string name = "tank-frame-" + std::to_string(kShownFrame) +
                             (sizeof(void*) == 8 ? "-x64" : "-x86") + ".png";
    const std::string reference = environment("BLUEREEF_FRAMES_DIR") + "\\" + name;
    const std::string output = environment("BLUEREEF_TEST_OUTPUT");
    if (!output.empty())
        writePng(output + "\\" + name, shown);
    if (!environment("BLUEREEF_RECORD_FRAMES").empty()) {
        writePng(reference, shown);
        GTEST_SKIP() << "recorded " << reference;
    }

    const std::optional<Frame> recorded = readPng(reference);
    ASSERT_TRUE(recorded) << reference;
    ASSERT_EQ(recorded->width, shown.width);
    ASSERT_EQ(recorded->height, shown.height);
    int largest = 0;
    int pixelsDiffering = 0;
    Frame differences = shown;
    for (size_t i = 0; i < shown.rgba.size(); i += 4) {
        int pixelLargest = 0;
        for (size_t c = i; c < i + 3; ++c)
            pixelLargest = std::max(pixelLargest, std::abs(shown.rgba[c] - recorded->rgba[c]));
        largest = std::max(largest, pixelLargest);
        pixelsDiffering += pixelLargest > 0 ? 1 : 0;
        const std::uint8_t shade = static_cast<std::uint8_t>(std::min(255, pixelLargest * 32));
        differences.rgba[i] = differences.rgba[i + 1] = differences.rgba[i + 2] = shade;
        differences.rgba[i + 3] = 255;
    }
    std::printf("frame %d: %d pixels differ, the largest difference is %d of 255\n", kShownFrame,
                pixelsDiffering, largest);
    if (pixelsDiffering > 0 && !output.empty())
        writePng(output + "\\differences-" + name, differences);
    EXPECT_LE(largest, kMostChannelDifference) << pixelsDiffering << " pixels differ";
}

}  // namespace
