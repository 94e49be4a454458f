#include "IconWriter.h"

#include <cstdio>

namespace {

void put16(std::vector<std::uint8_t>& out, unsigned value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t>& out, unsigned value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// One icon image: a BITMAPINFOHEADER of twice the height (colour plus mask), the 32-bit pixels
// bottom-up, then the 1-bit AND mask, each row padded to 32 bits.
std::vector<std::uint8_t> iconImage(const Image& image)
{
    const int w = image.width();
    const int h = image.height();
    std::vector<std::uint8_t> out;
    put32(out, 40);
    put32(out, static_cast<unsigned>(w));
    put32(out, static_cast<unsigned>(h * 2));
    put16(out, 1);
    put16(out, 32);
    for (int i = 0; i < 6; ++i)
        put32(out, 0);
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < w; ++x) {
            const Rgba& p = image.at(x, y);
            out.push_back(toByte(p.b));
            out.push_back(toByte(p.g));
            out.push_back(toByte(p.r));
            out.push_back(toByte(p.a));
        }
    const int maskRowBytes = ((w + 31) / 32) * 4;
    for (int y = h - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(maskRowBytes), 0);
        for (int x = 0; x < w; ++x)
            if (image.at(x, y).a < 0.5f)
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

constexpr unsigned kIconType = 1;
constexpr unsigned kCursorType = 2;

// The icon file format, shared by cursors, whose directory entries carry the hot spot where an
// icon's carry its planes and bit count.
bool writeIconFile(const std::string& path, const std::vector<Image>& images, unsigned type,
                   unsigned hotX, unsigned hotY)
{
    std::vector<std::uint8_t> out;
    put16(out, 0);
    put16(out, type);
    put16(out, static_cast<unsigned>(images.size()));
    std::vector<std::vector<std::uint8_t>> bodies;
    unsigned offset = 6 + 16 * static_cast<unsigned>(images.size());
    for (const Image& image : images) {
        bodies.push_back(iconImage(image));
        out.push_back(static_cast<std::uint8_t>(image.width() % 256));
        out.push_back(static_cast<std::uint8_t>(image.height() % 256));
        out.push_back(0);
        out.push_back(0);
        put16(out, type == kIconType ? 1 : hotX);
        put16(out, type == kIconType ? 32 : hotY);
        put32(out, static_cast<unsigned>(bodies.back().size()));
        put32(out, offset);
        offset += static_cast<unsigned>(bodies.back().size());
    }
    for (const auto& body : bodies)
        out.insert(out.end(), body.begin(), body.end());

    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace

bool writeIcon(const std::string& path, const std::vector<Image>& images)
{
    return writeIconFile(path, images, kIconType, 0, 0);
}

bool writeCursor(const std::string& path, const Image& image, int hotX, int hotY)
{
    return writeIconFile(path, {image}, kCursorType, static_cast<unsigned>(hotX),
                         static_cast<unsigned>(hotY));
}
