#include "media/ResourceUnpacker.h"

#include "media/Scrambler.h"
#include "media/TemporaryDirectory.h"

namespace {

constexpr char kAssetResourceType[] = "RCAD";

bool writeWholeFile(const std::string& path, const void* data, DWORD size)
{
    const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = ::WriteFile(file, data, size, &written, nullptr) && written == size;
    ::CloseHandle(file);
    return ok;
}

}  // namespace

bool ResourceUnpacker::extract(WORD resourceId, const std::string& baseName)
{
    packedPath.clear();
    unpackedPath_.clear();
    const HMODULE module = ::GetModuleHandleA(nullptr);
    const HRSRC resource = ::FindResourceA(module, MAKEINTRESOURCEA(resourceId), kAssetResourceType);
    if (resource == nullptr)
        return false;
    const void* data = ::LockResource(::LoadResource(module, resource));
    const DWORD size = ::SizeofResource(module, resource);
    if (data == nullptr)
        return false;

    // A directory that cannot take the files (read-only, full, missing) must not cost the asset:
    // the temporary directory is the second choice.
    if (writeFiles(preferredDirectory, baseName, data, size))
        return true;
    const std::string fallback = temporaryDirectory();
    return !fallback.empty() && fallback != preferredDirectory && writeFiles(fallback, baseName, data, size);
}

bool ResourceUnpacker::writeFiles(const std::string& directory, const std::string& baseName,
                                  const void* data, DWORD size)
{
    packedPath = directory + baseName + ".ad";
    unpackedPath_ = directory + baseName + unpackedExtension(baseName);
    if (writeWholeFile(packedPath, data, size) && descrambleFile(packedPath, unpackedPath_))
        return true;
    deleteFiles();
    packedPath.clear();
    unpackedPath_.clear();
    return false;
}

void ResourceUnpacker::deleteFiles()
{
    if (!packedPath.empty())
        ::DeleteFileA(packedPath.c_str());
    if (!unpackedPath_.empty())
        ::DeleteFileA(unpackedPath_.c_str());
}
