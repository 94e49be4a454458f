// Unpacks one embedded asset (resource type "RCAD") to a pair of temporary files: the stored bytes
// as <base>.ad and the usable file as <base>.bmp or <base>.wav, for a loader to read and then delete.
#pragma once

#include <windows.h>

#include <string>

class ResourceUnpacker {
public:
    // Files are made in `directory` (ending with a backslash); when that directory cannot take
    // them, in the temporary directory instead.
    explicit ResourceUnpacker(std::string directory) : preferredDirectory(std::move(directory)) {}

    // True when the resource exists and its files were written. False when there is no such
    // resource (no file is made) or no directory could take the files (none is left behind).
    bool extract(WORD resourceId, const std::string& baseName);

    // The usable file of the last successful extraction.
    const std::string& unpackedPath() const { return unpackedPath_; }

    // Deletes the stored-bytes file, then the usable file; failures are ignored.
    void deleteFiles();

private:
    bool writeFiles(const std::string& directory, const std::string& baseName, const void* data,
                    DWORD size);

    std::string preferredDirectory;  // where the files go when it can take them
    std::string packedPath;
    std::string unpackedPath_;
};
