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

class IniFile {
public:
    explicit IniFile(std::string path) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }

    // The value as text (at most 127 characters); empty when the key is missing or empty.
    std::string readText(const std::string& section, const std::string& key) const;

    // atoi of the value: a missing key reads as 0, a fraction keeps its integer part and text
    // that is not a number reads as 0.
    int readInt(const std::string& section, const std::string& key) const;

    // The value however long it is, for values that may exceed the usual buffer (file paths).
    std::string readWholeText(const std::string& section, const std::string& key) const;

    // Failed writes are ignored, as everywhere in the program. A section, key or text holding a
    // line break is refused (nothing is written, and the result is false): written as it is, the
    // break would start a line of its own and so a key of its own. Each write outside update()
    // replaces the file once; a read-only file is left as it is, and the result is false.
    bool writeText(const std::string& section, const std::string& key,
                   const std::string& text) const;
    void writeInt(const std::string& section, const std::string& key, int value) const;

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
