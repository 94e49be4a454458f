// A private temporary directory for one test, removed with the files in it afterwards.
#pragma once

#include <windows.h>

#include <string>

class TestDirectory {
public:
    TestDirectory()
    {
        static int serial = 0;
        char temp[MAX_PATH];
        const DWORD length = ::GetTempPathA(MAX_PATH, temp);
        path_ = std::string(temp, length) + "bluereef-test-" +
                std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++serial) + "\\";
        ::CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~TestDirectory()
    {
        WIN32_FIND_DATAA found;
        const HANDLE search = ::FindFirstFileA((path_ + "*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                    ::DeleteFileA((path_ + found.cFileName).c_str());
            } while (::FindNextFileA(search, &found));
            ::FindClose(search);
        }
        ::RemoveDirectoryA(path_.c_str());
    }
    TestDirectory(const TestDirectory&) = delete;
    TestDirectory& operator=(const TestDirectory&) = delete;

    // The directory, ending with one backslash.
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

inline bool fileExists(const std::string& path)
{
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
