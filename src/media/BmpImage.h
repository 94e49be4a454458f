// Decoding of Windows BMP files held in memory, for the two texture loaders. Plain C++ with no
// Windows or OpenGL calls, so that the parsing can be exercised (and fuzzed) on any host.
//
// Whatever a file says, decoding reads only inside the given buffer and writes only inside the
// image it allocates: a file that is truncated, whose sizes disagree with each other or with the
// file's length, or whose dimensions, bit count or palette make no sense, decodes to "no image".
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// Sizes of the two headers every BMP file starts with.
constexpr std::size_t kBmpFileHeaderSize = 14;
constexpr std::size_t kBmpInfoHeaderSize = 40;

// Largest side and largest pixel count either decoder accepts. The scaling and mipmapping code
// that receives the image computes its own buffer sizes in 32-bit integers; these limits keep
// those computations far from overflowing (and are well beyond any texture the program uses).
constexpr std::int32_t kBmpMaxSide = 32768;
constexpr std::uint32_t kBmpMaxPixels = 1u << 26;

// A decoded picture, its rows stored bottom-up as in the file.
struct BmpImage {
    std::int32_t width = 0;   // pixels per row, at least 1
    std::int32_t height = 0;  // rows, at least 1
    int sourceBitCount = 0;   // bits per pixel of the file (8, 24 or 32)
    int channels = 0;         // bytes per pixel in `pixels`: 3 or 4
    std::size_t rowStride = 0;  // bytes from the start of one row to the next
    std::vector<std::uint8_t> pixels;  // rowStride * height bytes
};

// Bytes in one row of a BMP with the given width and bit count: rows are padded to 4 bytes.
// Nothing when the size does not fit in std::size_t or the arguments are not positive.
std::optional<std::size_t> bmpRowStride(std::int64_t width, int bitCount);

// The plain loader's view of a file (all of its bytes, headers included). The 14-byte file header
// must start with "BM" and be followed by the 40-byte information header. An 8-bit image has its
// palette right after the information header (4 bytes for each of colours-used entries, or 1024
// bytes when colours-used is 0) and its pixels right after the palette; 24- and 32-bit images have
// their pixels right after the information header. The file header's pixel offset and the
// compression field are not used; rows are bottom-up and padded to 4 bytes.
//
// The result holds blue-green-red rows padded to 4 bytes (channels 3) for 8- and 24-bit files,
// 8-bit pixels expanded through the palette, and the file's blue-green-red-alpha rows unchanged
// (channels 4) for 32-bit files. No image for:
//   - a buffer shorter than both headers or without the "BM" signature;
//   - a width or height that is 0, negative (top-down files are not supported) or beyond the
//     limits above;
//   - a bit count other than 8, 24 or 32;
//   - an 8-bit palette of more than 256 entries, or one that runs past the end of the buffer;
//   - pixel rows that run past the end of the buffer;
//   - an image-size field (when not 0) larger than the bytes from the start of the pixels to the
//     end of the buffer.
// A palette index beyond the palette's entries is drawn black, as Windows draws it.
std::optional<BmpImage> decodePlainBmp(const std::uint8_t* data, std::size_t size);

// The mipmapped loader's view of a file: "BM", the 40-byte information header, 24-bit pixels at
// the file header's pixel offset. The result holds red-green-blue-alpha pixels (channels 4,
// rowStride 4 * width, so no padding), alpha 0 for a pixel that is pure black and 255 for every
// other pixel, however dark.
//
// How long the pixel rows are: the image-size field gives the length of the pixel data. A field
// that covers padded rows (each row padded to 4 bytes, as every BMP writer does) means padded
// rows; a field that covers only unpadded rows (3 * width bytes each) means unpadded rows, which
// is how some writers of this format store them. A field of 0 (allowed for uncompressed files)
// or one too small for even the unpadded rows is ignored: the rows are taken as padded, as the
// BMP format defines them. For widths that are multiples of 4 the two layouts coincide.
//
// No image for: a buffer shorter than both headers or without "BM"; a bit count other than 24;
// a width or height that is 0, negative or beyond the limits above; a pixel offset inside the
// headers or past the end of the buffer; an image-size field larger than the bytes from the
// pixel offset to the end of the buffer; pixel rows that run past the end of the buffer.
std::optional<BmpImage> decodeMipmapBmp(const std::uint8_t* data, std::size_t size);
