// The file encoders: every header field the program's loaders and the Windows sound services read.
#include "BmpWriter.h"
#include "WavWriter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

std::uint32_t read16(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return bytes[at] | bytes[at + 1] << 8;
}

std::uint32_t read32(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return read16(bytes, at) | read16(bytes, at + 2) << 16;
}

}  // namespace

TEST(BmpWriter, FillsEveryHeaderField)
{
    const std::vector<std::uint8_t> bmp = encodeBmp24(Image(64, 32));
    const std::uint32_t pixels = 64 * 3 * 32;
    ASSERT_EQ(bmp.size(), 54 + pixels);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(read32(bmp, 2), 54 + pixels);  // file size
    EXPECT_EQ(read32(bmp, 6), 0u);           // reserved words
    EXPECT_EQ(read32(bmp, 10), 54u);         // pixel offset
    EXPECT_EQ(read32(bmp, 14), 40u);         // information header size
    EXPECT_EQ(read32(bmp, 18), 64u);         // width
    EXPECT_EQ(read32(bmp, 22), 32u);         // height, positive: rows bottom-up
    EXPECT_EQ(read16(bmp, 26), 1u);          // planes
    EXPECT_EQ(read16(bmp, 28), 24u);         // bits per pixel
    EXPECT_EQ(read32(bmp, 30), 0u);          // uncompressed
    EXPECT_EQ(read32(bmp, 34), pixels);      // image size, which the mipmap loader relies on
    EXPECT_EQ(read32(bmp, 46), 0u);          // colours used
    EXPECT_EQ(read32(bmp, 50), 0u);          // colours important
}

TEST(BmpWriter, StoresRowsBottomUpInBlueGreenRedOrder)
{
    Image image(4, 2, Rgba{0, 0, 0, 1});
    image.at(0, 0) = Rgba{1, 0, 0, 1};     // top left: red
    image.at(3, 1) = Rgba{0, 0, 1, 1};     // bottom right: blue
    image.at(1, 1) = Rgba{0.2f, 0.6f, 1, 1};
    const std::vector<std::uint8_t> bmp = encodeBmp24(image);
    // The first stored row is the bottom one.
    const std::size_t bottom = 54;
    const std::size_t top = 54 + 12;
    EXPECT_EQ(bmp[bottom + 3 * 3 + 0], 255);  // bottom right, blue byte first
    EXPECT_EQ(bmp[bottom + 3 * 3 + 2], 0);
    EXPECT_EQ(bmp[bottom + 3 + 0], 255);      // (0.2, 0.6, 1) as B, G, R
    EXPECT_EQ(bmp[bottom + 3 + 1], 153);
    EXPECT_EQ(bmp[bottom + 3 + 2], 51);
    EXPECT_EQ(bmp[top + 0], 0);               // top left: red is the third byte
    EXPECT_EQ(bmp[top + 2], 255);
}

TEST(BmpWriter, PadsRowsToFourBytesAndCountsThePadding)
{
    Image image(5, 3, Rgba{1, 1, 1, 1});
    const std::vector<std::uint8_t> bmp = encodeBmp24(image);
    const std::uint32_t stride = 16;  // 15 bytes of pixels, one of padding
    ASSERT_EQ(bmp.size(), 54 + stride * 3);
    EXPECT_EQ(read32(bmp, 34), stride * 3);
    EXPECT_EQ(read32(bmp, 2), 54 + stride * 3);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(bmp[54 + row * stride + 14], 255) << "row " << row;
        EXPECT_EQ(bmp[54 + row * stride + 15], 0) << "row " << row;
    }
}

TEST(WavWriter, WritesAPcmHeaderAndLittleEndianSamples)
{
    const std::vector<std::int16_t> samples{0, 1, -1, 32767, -32768, 258};
    const std::vector<std::uint8_t> mono = encodeWav16(samples, 1, 22050);
    ASSERT_EQ(mono.size(), 44 + 12u);
    EXPECT_EQ(std::string(mono.begin(), mono.begin() + 4), "RIFF");
    EXPECT_EQ(read32(mono, 4), mono.size() - 8);
    EXPECT_EQ(std::string(mono.begin() + 8, mono.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(read32(mono, 16), 16u);     // fmt chunk size
    EXPECT_EQ(read16(mono, 20), 1u);      // PCM
    EXPECT_EQ(read16(mono, 22), 1u);      // channels
    EXPECT_EQ(read32(mono, 24), 22050u);  // sample rate
    EXPECT_EQ(read32(mono, 28), 44100u);  // bytes a second
    EXPECT_EQ(read16(mono, 32), 2u);      // bytes a frame
    EXPECT_EQ(read16(mono, 34), 16u);     // bits a sample
    EXPECT_EQ(std::string(mono.begin() + 36, mono.begin() + 40), "data");
    EXPECT_EQ(read32(mono, 40), 12u);
    for (std::size_t i = 0; i < samples.size(); ++i)
        EXPECT_EQ(static_cast<std::int16_t>(read16(mono, 44 + 2 * i)), samples[i]) << "sample " << i;

    const std::vector<std::uint8_t> stereo = encodeWav16(samples, 2, 44100);
    EXPECT_EQ(read16(stereo, 22), 2u);
    EXPECT_EQ(read32(stereo, 28), 44100u * 4);
    EXPECT_EQ(read16(stereo, 32), 4u);
    EXPECT_EQ(read32(stereo, 40), 12u);
}
