// The system's temporary directory: the program's second place for unpacked files, and a place it
// cannot start without.
#pragma once

#include <windows.h>

#include <string>

// The temporary directory with its trailing backslash, or "" when the system names none.
std::string temporaryDirectory();

// Whether the system names a temporary directory. When it does not, says so in a message box
// owned by `owner` ("Error Find TempPath.") and returns false.
bool temporaryDirectoryFound(HWND owner);
