#include "media/TemporaryDirectory.h"

std::string temporaryDirectory()
{
    char path[MAX_PATH];
    const DWORD length = ::GetTempPathA(MAX_PATH, path);
    return length > 0 && length < MAX_PATH ? std::string(path, length) : std::string();
}

bool temporaryDirectoryFound(HWND owner)
{
    if (!temporaryDirectory().empty())
        return true;
    ::MessageBoxA(owner, "Error Find TempPath.", "ERROR", MB_OK);
    return false;
}
