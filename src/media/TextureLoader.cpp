#include "media/TextureLoader.h"

#include "media/BmpImage.h"
#include "media/PictureImage.h"

#include <GL/glu.h>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <memory>
#include <new>
#include <optional>
#include <vector>

namespace {

// A plain BMP file is at least its file header and one more byte.
constexpr LONGLONG kPlainMinimumFileSize = 15;

// Pixel transfers read and write exactly the row layout our buffers have (rows padded to
// 4 bytes, nothing skipped), whatever pixel-store state other code left behind; the previous
// state comes back when the transfer is done.
class PixelStoreScope {
public:
    PixelStoreScope()
    {
        ::glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
        for (const GLenum name : {GL_UNPACK_ALIGNMENT, GL_PACK_ALIGNMENT})
            ::glPixelStorei(name, 4);
        for (const GLenum name : {GL_UNPACK_ROW_LENGTH, GL_UNPACK_SKIP_ROWS, GL_UNPACK_SKIP_PIXELS,
                                  GL_UNPACK_SWAP_BYTES, GL_UNPACK_LSB_FIRST, GL_PACK_ROW_LENGTH,
                                  GL_PACK_SKIP_ROWS, GL_PACK_SKIP_PIXELS, GL_PACK_SWAP_BYTES,
                                  GL_PACK_LSB_FIRST})
            ::glPixelStorei(name, 0);
    }
    ~PixelStoreScope() { ::glPopClientAttrib(); }
    PixelStoreScope(const PixelStoreScope&) = delete;
    PixelStoreScope& operator=(const PixelStoreScope&) = delete;
};

GLuint generateBoundTexture()
{
    GLuint texture = 0;
    ::glGenTextures(1, &texture);
    ::glBindTexture(GL_TEXTURE_2D, texture);
    return texture;
}

// The whole file through the Win32 file API; nothing when it cannot be opened or read, or is
// too short to be a BMP file.
std::optional<std::vector<std::uint8_t>> readFileWin32(const char* path)
{
    const HANDLE file = ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::optional<std::vector<std::uint8_t>> result;
    LARGE_INTEGER size;
    if (::GetFileSizeEx(file, &size) && size.QuadPart >= kPlainMinimumFileSize &&
        static_cast<ULONGLONG>(size.QuadPart) <= MAXDWORD) {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size.QuadPart));
        DWORD read = 0;
        if (::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) &&
            read == bytes.size())
            result = std::move(bytes);
    }
    ::CloseHandle(file);
    return result;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// The whole file through the C library; nothing when it cannot be opened or read.
std::optional<std::vector<std::uint8_t>> readFileStdio(const char* path)
{
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "rb"));
    if (!file)
        return std::nullopt;
    std::vector<std::uint8_t> bytes;
    std::uint8_t block[65536];
    std::size_t count;
    while ((count = std::fread(block, 1, sizeof block, file.get())) > 0)
        bytes.insert(bytes.end(), block, block + count);
    if (std::ferror(file.get()))
        return std::nullopt;
    return bytes;
}

void uploadPlainImage(const BmpImage& image)
{
    ::glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    ::glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);

    GLint maxSide = 0;
    ::glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSide);
    maxSide = std::min(maxSide, kPlainTextureMaxSide);
    const GLint width = plainTextureSide(image.width, maxSide);
    const GLint height = plainTextureSide(image.height, maxSide);

    const bool alpha = image.channels == 4;
    const GLint components = alpha ? 4 : 3;
    const GLenum uploadFormat = alpha ? GL_BGRA_EXT : GL_BGR_EXT;
    const PixelStoreScope pixelStore;
    const bool direct = image.sourceBitCount == 24 || image.sourceBitCount == 32;
    if (direct && width == image.width && height == image.height) {
        ::glTexImage2D(GL_TEXTURE_2D, 0, components, width, height, 0, uploadFormat,
                       GL_UNSIGNED_BYTE, image.pixels.data());
        return;
    }
    // Scaling works on each component alike, so blue-green-red rows may be scaled as RGB.
    const std::size_t stride = (static_cast<std::size_t>(width) * components + 3) & ~std::size_t{3};
    std::vector<std::uint8_t> scaled(stride * static_cast<std::size_t>(height));
    ::gluScaleImage(alpha ? GL_BGRA_EXT : GL_RGB, image.width, image.height, GL_UNSIGNED_BYTE,
                    image.pixels.data(), width, height, GL_UNSIGNED_BYTE, scaled.data());
    ::glTexImage2D(GL_TEXTURE_2D, 0, components, width, height, 0, uploadFormat,
                   GL_UNSIGNED_BYTE, scaled.data());
}

}  // namespace

GLint plainTextureSide(GLint imageSide, GLint maxSide)
{
    const GLint side = std::min(imageSide, maxSide);
    GLint target = 2;
    while (target < side && target <= std::numeric_limits<GLint>::max() / 2)
        target *= 2;
    return target;
}

bool LoadBmpTexture(const char* path, GLuint* texture)
{
    *texture = generateBoundTexture();
    try {
        const std::optional<std::vector<std::uint8_t>> file = readFileWin32(path);
        if (!file)
            return false;
        const std::optional<BmpImage> image = decodePlainBmp(file->data(), file->size());
        if (!image)
            return false;
        uploadPlainImage(*image);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool LoadMipmappedBmpTexture(const char* path, GLuint* texture)
{
    *texture = generateBoundTexture();
    try {
        std::optional<BmpImage> image;
        if (const auto file = readFileStdio(path))
            image = decodeMipmapBmp(file->data(), file->size());
        if (!image)
            return false;
        {
            const PixelStoreScope pixelStore;
            ::gluBuild2DMipmaps(GL_TEXTURE_2D, 4, image->width, image->height, GL_RGBA,
                                GL_UNSIGNED_BYTE, image->pixels.data());
        }
        ::glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
        ::glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
        ::glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        ::glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

std::optional<PictureTexture> LoadPictureTexture(const char* path)
{
    try {
        const std::optional<std::vector<std::uint8_t>> file = readFileWin32(path);
        if (!file)
            return std::nullopt;
        const std::optional<PictureImage> image = decodePicture(file->data(), file->size());
        if (!image)
            return std::nullopt;

        GLint maxSide = 0;
        ::glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSide);
        maxSide = std::min(maxSide, kPictureTextureMaxSide);
        const GLint width = plainTextureSide(image->width, maxSide);
        const GLint height = plainTextureSide(image->height, maxSide);
        std::vector<std::uint8_t> scaled(static_cast<std::size_t>(width) * height * 4);
        const PixelStoreScope pixelStore;
        if (::gluScaleImage(GL_RGBA, image->width, image->height, GL_UNSIGNED_BYTE,
                            image->pixels.data(), width, height, GL_UNSIGNED_BYTE,
                            scaled.data()) != 0)
            return std::nullopt;

        PictureTexture texture{generateBoundTexture(), image->width, image->height};
        // Stored without alpha: a background is opaque, whatever transparency the file has.
        ::gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGB, width, height, GL_RGBA, GL_UNSIGNED_BYTE,
                            scaled.data());
        ::glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        ::glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
        ::glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
        ::glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
        ::glBindTexture(GL_TEXTURE_2D, 0);
        return texture;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

GLuint CreateBlankTexture(GLsizei width, GLsizei height)
{
    const GLuint texture = generateBoundTexture();
    const std::vector<std::uint8_t> zeros(static_cast<std::size_t>(width) * height * 4, 0);
    {
        const PixelStoreScope pixelStore;
        ::glTexImage2D(GL_TEXTURE_2D, 0, 4, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                       zeros.data());
    }
    ::glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    ::glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    return texture;
}
