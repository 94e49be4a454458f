// One INI file read and written through the Windows profile functions, with the conventions the
// whole program shares: every read uses a 128-character buffer and an empty default, so a key
// whose value is empty counts as missing; numbers are read with atoi and written as "%d".
//
// The profile functions rewrite the whole file for every key, emptying it first: a process that
// ends in the middle (killed, its session logged off, the power gone) can leave it empty or cut
// short, and every setting in it lost. So writes go into a complete copy of the file beside it,
// which then replaces the file in one step: the file holds either everything it held before or
// everything after. Where no copy can be made beside the file, writes go straight into it.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

// Keys and their values, in the order they are to stand in a section.
using IniEntries = std::vector<std::pair<std::string, std::string>>;

class IniFile {
public:
    explicit IniFile(std::string path) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }

    // The value as text (at most 127 characters); empty when the key is missing or empty.
    std::string readText(const std::string& section, const std::string& key) const;

    // atoi of the value: a missing key reads as 0, a fraction keeps its integer part and text
    // that is not a number reads as 0.
    int readInt(const std::string& section, const std::string& key) const;

    // Every key of `section` and its value as the file holds it (quotes round a value kept), in
    // the file's order, read at once: a long list read key by key costs a search of the whole
    // section per key.
    IniEntries readSection(const std::string& section) const;
    // A value as the profile functions hand it out: a pair of the same quotes round it taken off.
    static std::string unquoted(const std::string& value);

    // Failed writes are ignored, as everywhere in the program. A section, key or text holding a
    // line break is refused (nothing is written, and the result is false). Each write outside
    // update() replaces the file once; a read-only file is left as it is, and the result is false.
    bool writeText(const std::string& section, const std::string& key,
                   const std::string& text) const;
    void writeInt(const std::string& section, const std::string& key, int value) const;
    // Replaces every key of `section` with `entries`, in their order, in one write: a long list
    // key by key would rewrite the whole file once per key. An entry holding a line break is
    // refused, as writeText refuses it, and the result is false.
    bool writeSection(const std::string& section, const IniEntries& entries) const;
    // Whether `text` holds a line break, which no section, key or value may hold: written as it
    // is, the break would start a line of its own and so a key of its own.
    static bool holdsLineBreak(const std::string& text);

    // Everything `write` writes into the file it is handed, a copy of this one, replaces this
    // file in one step. False when the file is read-only or could not be replaced: it is then as
    // it was.
    bool update(const std::function<void(const IniFile& copy)>& write) const;

    // Deletes the unfinished copies of the file that processes which have ended left beside it.
    void removeUnfinishedCopies() const;

    // The key of a list entry: the stem followed by the index in decimal ("Fish" 3 -> "Fish3").
    static std::string listKey(const std::string& stem, int index);

private:
    // A file whose writes go straight into it: the copy an update writes into.
    IniFile(std::string path, bool writesInPlace)
        : path_(std::move(path)), writesInPlace_(writesInPlace)
    {
    }
    bool writeInPlace(const std::string& section, const std::string& key,
                      const std::string& text) const;

    std::string path_;
    bool writesInPlace_ = false;
};
