// Textures made from the program's packed pictures: unpacked to temporary files in the settings
// directory, loaded, and the files deleted again.
#pragma once

#include <windows.h>

#include <GL/gl.h>

// Unpacks picture `resourceId` under `baseName`, loads it with LoadBmpTexture into `texture` and
// deletes both unpacked files. A missing picture still gives a new texture name, without an image.
void loadPackedTexture(WORD resourceId, const char* baseName, GLuint* texture);

// The same with LoadMipmappedBmpTexture: mipmapped, black transparent.
void loadPackedMipmappedTexture(WORD resourceId, const char* baseName, GLuint* texture);
