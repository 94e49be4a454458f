#include "settings/IniFile.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {
constexpr DWORD kReadBufferSize = 128;
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

void IniFile::writeText(const std::string& section, const std::string& key,
                        const std::string& text) const
{
    ::WritePrivateProfileStringA(section.c_str(), key.c_str(), text.c_str(), path_.c_str());
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
