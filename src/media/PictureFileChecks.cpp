#include "media/PictureFileChecks.h"

#include <cstring>

namespace {

constexpr std::uint8_t kJpegMarkerPrefix = 0xFF;
constexpr std::uint8_t kJpegEndOfImage = 0xD9;
constexpr std::uint8_t kJpegHuffmanTables = 0xC4;
constexpr std::size_t kJpegHuffmanCodeLengths = 16;
constexpr unsigned kJpegMostHuffmanCodes = 256;

// Markers that stand alone, without a length and a segment: stuffing (FF 00) in entropy-coded
// data, TEM, the restart markers and the start of the image.
bool isStandaloneJpegMarker(std::uint8_t marker)
{
    return marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8);
}

// The stb_image we build with (2.27) takes the sizes of a JPEG's Huffman tables on trust: a
// table said to hold more than 256 codes (there are only 256 byte values to code) overruns the
// decoder's arrays. This finds every table the decoder could read -- any FF C4 that is not inside
// another segment -- and says whether all of them are within that count. Segments are skipped by
// their lengths; everything else (entropy-coded data, padding) is scanned byte by byte for
// markers, as the decoder does. Bytes past the end of the file read as zero to the decoder, as
// here.
bool jpegHuffmanTablesFit(const std::uint8_t* bytes, std::size_t size)
{
    std::size_t at = 0;
    while (at < size) {
        if (bytes[at++] != kJpegMarkerPrefix)
            continue;
        while (at < size && bytes[at] == kJpegMarkerPrefix)
            ++at;  // fill bytes
        if (at >= size)
            break;
        const std::uint8_t marker = bytes[at++];
        if (isStandaloneJpegMarker(marker))
            continue;
        if (marker == kJpegEndOfImage || size - at < 2)
            break;
        const std::size_t length = static_cast<std::size_t>(bytes[at]) << 8 | bytes[at + 1];
        if (length < 2)
            break;  // the decoder gives up on this segment
        if (marker == kJpegHuffmanTables) {
            // Tables follow each other for as long as the segment has bytes left; the decoder
            // reads a whole table even when it runs past the segment's end.
            std::size_t table = at + 2;
            for (std::size_t left = length - 2; left > 0 && table < size;) {
                unsigned codes = 0;
                for (std::size_t i = 1; i <= kJpegHuffmanCodeLengths && table + i < size; ++i)
                    codes += bytes[table + i];
                if (codes > kJpegMostHuffmanCodes)
                    return false;
                const std::size_t tableBytes = 1 + kJpegHuffmanCodeLengths + codes;
                if (tableBytes >= left)
                    break;
                left -= tableBytes;
                table += tableBytes;
            }
        }
        at += length;
    }
    return true;
}

constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::size_t kPngChunkHeaderSize = 8;  // length and type
constexpr std::size_t kPngChunkCrcSize = 4;

std::uint32_t bigEndian32(const std::uint8_t* bytes)
{
    return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 |
           std::uint32_t{bytes[2]} << 8 | bytes[3];
}

// stb_image sets aside room for a PNG's compressed data as each chunk announces its length,
// before reading it: a few bytes claiming a chunk of 2 GB would have it ask for 2 GB. A chunk
// whose data runs past the end of the file (up to IEND, where the decoder stops) makes the file a
// truncated one, refused here before any of that.
bool pngChunksWithinFile(const std::uint8_t* bytes, std::size_t size)
{
    std::size_t at = sizeof kPngSignature;
    while (size - at >= kPngChunkHeaderSize) {
        const std::uint32_t length = bigEndian32(bytes + at);
        if (length > size - at - kPngChunkHeaderSize)
            return false;
        if (std::memcmp(bytes + at + 4, "IEND", 4) == 0)
            break;
        at += kPngChunkHeaderSize + length;
        if (size - at < kPngChunkCrcSize)
            break;
        at += kPngChunkCrcSize;
    }
    return true;
}

}  // namespace

bool withinDecoderLimits(const std::uint8_t* bytes, std::size_t size)
{
    // Only a JPEG starts with a marker (PNG and BMP files have signatures of their own).
    if (bytes[0] == kJpegMarkerPrefix && !jpegHuffmanTablesFit(bytes, size))
        return false;
    return size < sizeof kPngSignature ||
           std::memcmp(bytes, kPngSignature, sizeof kPngSignature) != 0 ||
           pngChunksWithinFile(bytes, size);
}
