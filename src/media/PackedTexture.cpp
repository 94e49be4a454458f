#include "media/PackedTexture.h"

#include "media/ResourceUnpacker.h"
#include "settings/SettingsStore.h"
#include "media/TextureLoader.h"

namespace {

template <typename Loader>
void loadUnpacked(WORD resourceId, const char* baseName, GLuint* texture, Loader load)
{
    ResourceUnpacker unpacker(settingsPath());
    unpacker.extract(resourceId, baseName);
    // After a failed extraction the path is empty, and the loader gives the name no image.
    load(unpacker.unpackedPath().c_str(), texture);
    unpacker.deleteFiles();
}

}  // namespace

void loadPackedTexture(WORD resourceId, const char* baseName, GLuint* texture)
{
    loadUnpacked(resourceId, baseName, texture, LoadBmpTexture);
}

void loadPackedMipmappedTexture(WORD resourceId, const char* baseName, GLuint* texture)
{
    loadUnpacked(resourceId, baseName, texture, LoadMipmappedBmpTexture);
}
