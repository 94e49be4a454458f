// The texture makers: BMP files and the user's own pictures into OpenGL texture objects, and the
// blank texture the screen-copy effect fills. All need a current OpenGL rendering context and leave their new texture bound to
// GL_TEXTURE_2D.
#pragma once

#include <windows.h>

#include <GL/gl.h>

#include <optional>

// Largest side of a plain texture, whatever the implementation allows.
constexpr GLint kPlainTextureMaxSide = 512;

// Loads a BMP file (8-, 24- or 32-bit) as a texture with one level, scaled to power-of-two sides
// no larger than the implementation's maximum texture size and kPlainTextureMaxSide. A new
// texture name is generated, bound and stored in `texture` in every case; it gets an image only
// when the file can be read and decodes (see decodePlainBmp), and then the result is true.
bool LoadBmpTexture(const char* path, GLuint* texture);

// Loads a 24-bit BMP file as a mipmapped RGBA texture in which pure black pixels are transparent,
// repeating in both directions. As above, the name is always generated, bound and stored; the
// result says whether it got its images (see decodeMipmapBmp).
bool LoadMipmappedBmpTexture(const char* path, GLuint* texture);

// Largest side of a texture made from the user's own picture: more detail than a screen shows.
constexpr GLint kPictureTextureMaxSide = 2048;

// A texture made from the user's picture, with the size of the picture itself: the texture's
// sides are powers of two, so only the picture's size tells its shape.
struct PictureTexture {
    GLuint name = 0;
    int width = 0;
    int height = 0;
};

// Loads a JPEG, PNG or BMP file (see decodePicture) as an opaque mipmapped texture, upright, scaled
// to power-of-two sides no larger than kPictureTextureMaxSide and the implementation's limit.
// Unlike the BMP loaders, a texture name is made only for a picture that decodes; nothing is
// left bound then.
std::optional<PictureTexture> LoadPictureTexture(const char* path);

// A new RGBA texture whose texels are all zero, with linear filtering; 128 x 128 unless a size is
// given.
constexpr GLsizei kBlankTextureSide = 128;
GLuint CreateBlankTexture(GLsizei width = kBlankTextureSide, GLsizei height = kBlankTextureSide);

// Side of a plain texture for an image side: the smallest power of two not below
// min(imageSide, maxSide), and never 1 (a side of 1 becomes 2).
GLint plainTextureSide(GLint imageSide, GLint maxSide);
