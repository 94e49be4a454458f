#include "SamplePictures.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#include <stb_image_write.h>
#pragma GCC diagnostic pop

namespace samplepicture {

namespace {

void append(void* context, void* data, int size)
{
    auto* bytes = static_cast<std::vector<std::uint8_t>*>(context);
    const auto* begin = static_cast<const std::uint8_t*>(data);
    bytes->insert(bytes->end(), begin, begin + size);
}

}  // namespace

std::vector<std::uint8_t> pixelBytes(int width, int height, int channels,
                                     const std::function<Rgba(int x, int y)>& colour)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(width) * height * channels);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Rgba c = colour(x, y);
            const std::uint8_t all[4] = {c.r, c.g, c.b, c.a};
            const std::uint8_t greyAlpha[2] = {c.r, c.a};
            const std::uint8_t* first = channels == 2 ? greyAlpha : all;
            bytes.insert(bytes.end(), first, first + channels);
        }
    return bytes;
}

Rgba asStored(Rgba colour, int channels)
{
    const std::uint8_t alpha = channels % 2 == 0 ? colour.a : 255;
    if (channels < 3)
        return {colour.r, colour.r, colour.r, alpha};
    return {colour.r, colour.g, colour.b, alpha};
}

std::vector<std::uint8_t> encode(Kind kind, int width, int height, int channels,
                                 const std::vector<std::uint8_t>& pixels, int jpegQuality)
{
    std::vector<std::uint8_t> file;
    int written = 0;
    switch (kind) {
    case Kind::Jpeg:
        written = stbi_write_jpg_to_func(append, &file, width, height, channels, pixels.data(),
                                         jpegQuality);
        break;
    case Kind::Png:
        written = stbi_write_png_to_func(append, &file, width, height, channels, pixels.data(),
                                         width * channels);
        break;
    case Kind::Bmp:
        written = stbi_write_bmp_to_func(append, &file, width, height, channels, pixels.data());
        break;
    case Kind::Tga:
        written = stbi_write_tga_to_func(append, &file, width, height, channels, pixels.data());
        break;
    }
    if (!written)
        file.clear();
    return file;
}

Rgba quarters(int x, int y, int splitX, int splitY)
{
    static const Rgba colours[4] = {
        {220, 30, 40, 255}, {20, 200, 60, 170}, {30, 50, 210, 90}, {128, 128, 128, 20}};
    return colours[(y < splitY ? 0 : 2) + (x < splitX ? 0 : 1)];
}

std::vector<std::pair<std::string, std::vector<std::uint8_t>>> seedPictures()
{
    struct Format {
        Kind kind;
        const char* extension;
        std::vector<int> channels;
    };
    const Format formats[] = {{Kind::Jpeg, "jpg", {1, 3}},
                              {Kind::Png, "png", {1, 2, 3, 4}},
                              {Kind::Bmp, "bmp", {3, 4}}};
    const char* const channelNames[] = {"", "grey", "grey_alpha", "rgb", "rgba"};
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> seeds;
    for (const auto& [width, height] : {std::pair{3, 5}, std::pair{17, 9}, std::pair{1, 1}})
        for (const Format& format : formats)
            for (const int channels : format.channels) {
                const int splitX = width / 2, splitY = height / 2;
                const auto pixels = pixelBytes(width, height, channels, [=](int x, int y) {
                    return quarters(x, y, splitX, splitY);
                });
                seeds.emplace_back(std::to_string(width) + "x" + std::to_string(height) + "_" +
                                       channelNames[channels] + "." + format.extension,
                                   encode(format.kind, width, height, channels, pixels));
            }
    // The JPEGs above keep their colours at full resolution; at lower qualities they are
    // subsampled, which the decoder undoes in code of its own.
    const auto pixels = pixelBytes(17, 9, 3, [](int x, int y) { return quarters(x, y, 8, 4); });
    seeds.emplace_back("17x9_rgb_subsampled.jpg", encode(Kind::Jpeg, 17, 9, 3, pixels, 75));
    return seeds;
}

}  // namespace samplepicture
