// Test helpers for the settings file: a private directory per test, writing a file's text
// verbatim, and a reader of INI text that owes nothing to the profile functions under test.
#pragma once

#include "support/TestDirectory.h"

#include <windows.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

inline std::string readFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The settings file a store made for `directory` reads and writes.
inline std::string settingsFile(const TestDirectory& directory)
{
    return directory.path() + ".\\BluereefScrSet.ini";
}

inline void writeFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// The sections of an INI text in file order, each with its key/value pairs in file order.
struct IniText {
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> entries;
    };
    std::vector<Section> sections;
    // Empty when the text is a well-formed INI; else the first offending line.
    std::string error;

    const Section* section(const std::string& name) const
    {
        for (const Section& s : sections)
            if (s.name == name)
                return &s;
        return nullptr;
    }
    std::optional<std::string> value(const std::string& sectionName, const std::string& key) const
    {
        if (const Section* s = section(sectionName))
            for (const auto& [k, v] : s->entries)
                if (k == key)
                    return v;
        return std::nullopt;
    }
    std::vector<std::string> keys(const std::string& sectionName) const
    {
        std::vector<std::string> names;
        if (const Section* s = section(sectionName))
            for (const auto& entry : s->entries)
                names.push_back(entry.first);
        return names;
    }
};

inline std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return std::string();
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// Parses INI text: "[section]" lines, "key=value" lines inside a section, blank lines and
// ";" comments. Anything else, a key outside a section, or a section or key given twice is an
// error.
inline IniText parseIni(const std::string& bytes)
{
    IniText ini;
    std::size_t start = 0;
    while (start < bytes.size() && ini.error.empty()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        const std::string line = trimmed(bytes.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line[0] == ';')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            const std::string name = line.substr(1, line.size() - 2);
            if (ini.section(name) != nullptr)
                ini.error = line;
            ini.sections.push_back({name, {}});
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos || equals == 0 || ini.sections.empty()) {
            ini.error = line;
            continue;
        }
        const std::string key = trimmed(line.substr(0, equals));
        if (ini.value(ini.sections.back().name, key))
            ini.error = line;
        ini.sections.back().entries.emplace_back(key, trimmed(line.substr(equals + 1)));
    }
    return ini;
}

inline IniText readIni(const std::string& path)
{
    return parseIni(readFileBytes(path));
}
