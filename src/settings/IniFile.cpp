#include "settings/IniFile.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {
constexpr DWORD kReadBufferSize = 128;
constexpr DWORD kLongestWholeValue = 1 << 20;
}  // namespace

std::string IniFile::readText(const std::string& section, const std::string& key) const
{
    char buffer[kReadBufferSize] = {};
    const DWORD length =
        ::GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer, kReadBufferSize,
                                  path_.c_str());
    return std::string(buffer, length < kReadBufferSize ? length : kReadBufferSize - 1);
}

int IniFile::readInt(const std::string& section, const std::string& key) const
{
    return std::atoi(readText(section, key).c_str());
}

std::string IniFile::readWholeText(const std::string& section, const std::string& key) const
{
    // The profile functions cut a value to the buffer and say so by filling it to one short of
    // its end: grow the buffer until the value fits with room to spare (up to a length no value
    // of this program's comes near).
    for (DWORD size = MAX_PATH + 1;; size *= 2) {
        std::string buffer(size, '\0');
        const DWORD length = ::GetPrivateProfileStringA(section.c_str(), key.c_str(), "",
                                                        buffer.data(), size, path_.c_str());
        if (length < size - 1 || size >= kLongestWholeValue) {
            buffer.resize(length);
            return buffer;
        }
    }
}

bool IniFile::writeText(const std::string& section, const std::string& key,
                        const std::string& text) const
{
    for (const std::string* part : {&section, &key, &text})
        if (part->find_first_of("\r\n") != std::string::npos)
            return false;
    return ::WritePrivateProfileStringA(section.c_str(), key.c_str(), text.c_str(),
                                        path_.c_str()) != FALSE;
}

void IniFile::writeInt(const std::string& section, const std::string& key, int value) const
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    writeText(section, key, text);
}

std::string IniFile::listKey(const std::string& stem, int index)
{
    return stem + std::to_string(index);
}
