#include "settings/IniFile.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr DWORD kReadBufferSize = 128;
constexpr DWORD kFirstSectionBuffer = 1 << 12;
constexpr DWORD kLongestSection = 1 << 26;
constexpr char kCopyEnding[] = ".tmp";
// A complete copy of a file, made beside it (a move onto the file from another drive would not be
// one step), which replaces the file or is deleted. Its name is the file's with the process's
// number and ".tmp" added: two programs writing the file at once never share a copy, and a copy
// left by a process that ended in the middle is plainly the file's.
class ReplacementCopy {
public:
    explicit ReplacementCopy(const std::string& original)
        : original_(original),
          path_(original + "." + std::to_string(::GetCurrentProcessId()) + kCopyEnding)
    {
        // Copied with its attributes; a file not there yet starts as an empty copy.
        if (::CopyFileA(original.c_str(), path_.c_str(), FALSE))
            return;
        if (::GetLastError() == ERROR_FILE_NOT_FOUND) {
            const HANDLE empty = ::CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr,
                                               CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (empty != INVALID_HANDLE_VALUE) {
                ::CloseHandle(empty);
                return;
            }
        }
        discard();
    }
    ~ReplacementCopy() { discard(); }
    ReplacementCopy(const ReplacementCopy&) = delete;
    ReplacementCopy& operator=(const ReplacementCopy&) = delete;

    bool made() const { return !path_.empty(); }
    const std::string& path() const { return path_; }

    // Puts the copy, on the disk, in the original's place.
    bool replaceOriginal()
    {
        const HANDLE file = ::CreateFileA(path_.c_str(), GENERIC_WRITE,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            ::FlushFileBuffers(file);
            ::CloseHandle(file);
        }
        if (!::MoveFileExA(path_.c_str(), original_.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return false;
        path_.clear();
        return true;
    }

private:
    void discard()
    {
        if (!path_.empty())
            ::DeleteFileA(path_.c_str());
        path_.clear();
    }

    std::string original_;
    std::string path_;  // empty: no copy
};

bool processRuns(DWORD id)
{
    const HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
    if (process == nullptr)
        return false;
    DWORD exitCode = 0;
    const bool running = ::GetExitCodeProcess(process, &exitCode) && exitCode == STILL_ACTIVE;
    ::CloseHandle(process);
    return running;
}

bool isReadOnly(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

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

IniEntries IniFile::readSection(const std::string& section) const
{
    // The section comes as "key=value" lines each ended by a null; one that does not fit is cut
    // and the length returned is then two short of the buffer's.
    for (DWORD size = kFirstSectionBuffer;; size *= 2) {
        std::string buffer(size, '\0');
        const DWORD length =
            ::GetPrivateProfileSectionA(section.c_str(), buffer.data(), size, path_.c_str());
        if (length + 2 < size || size >= kLongestSection) {
            IniEntries entries;
            for (std::size_t start = 0; start < length;) {
                const std::size_t end = buffer.find('\0', start);
                const std::string line = buffer.substr(start, end - start);
                const std::size_t equals = line.find('=');
                if (equals != std::string::npos)
                    entries.emplace_back(line.substr(0, equals), line.substr(equals + 1));
                start = end + 1;
            }
            return entries;
        }
    }
}

std::string IniFile::unquoted(const std::string& value)
{
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    return quoted ? value.substr(1, value.size() - 2) : value;
}

bool IniFile::writeText(const std::string& section, const std::string& key,
                        const std::string& text) const
{
    for (const std::string* part : {&section, &key, &text})
        if (holdsLineBreak(*part))
            return false;
    bool written = false;
    const bool replaced =
        update([&](const IniFile& copy) { written = copy.writeInPlace(section, key, text); });
    return written && replaced;
}

bool IniFile::writeSection(const std::string& section, const IniEntries& entries) const
{
    // The section's lines one after another, each ended by a null, and a null after the last.
    std::string lines;
    if (holdsLineBreak(section))
        return false;
    for (const auto& [key, value] : entries) {
        if (holdsLineBreak(key) || holdsLineBreak(value))
            return false;
        lines += key + "=" + value;
        lines += '\0';
    }
    lines += '\0';
    bool written = false;
    const bool replaced = update([&](const IniFile& copy) {
        written = ::WritePrivateProfileSectionA(section.c_str(), lines.c_str(),
                                                copy.path_.c_str()) != FALSE;
    });
    return written && replaced;
}

bool IniFile::holdsLineBreak(const std::string& text)
{
    return text.find_first_of("\r\n") != std::string::npos;
}

bool IniFile::writeInPlace(const std::string& section, const std::string& key,
                           const std::string& text) const
{
    return ::WritePrivateProfileStringA(section.c_str(), key.c_str(), text.c_str(),
                                        path_.c_str()) != FALSE;
}

bool IniFile::update(const std::function<void(const IniFile& copy)>& write) const
{
    if (writesInPlace_) {
        write(*this);
        return true;
    }
    // The profile functions refuse to write a read-only file; so does an update.
    if (isReadOnly(path_))
        return false;
    ReplacementCopy copy(path_);
    if (!copy.made()) {
        write(IniFile(path_, true));
        return true;
    }
    write(IniFile(copy.path(), true));
    return copy.replaceOriginal();
}

void IniFile::writeInt(const std::string& section, const std::string& key, int value) const
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    writeText(section, key, text);
}

void IniFile::removeUnfinishedCopies() const
{
    const std::string::size_type slash = path_.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? "" : path_.substr(0, slash + 1);
    const std::string name = path_.substr(folder.size());
    WIN32_FIND_DATAA found;
    const HANDLE search = ::FindFirstFileA((path_ + ".*" + kCopyEnding).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    const std::size_t numberStart = name.size() + 1;
    const std::size_t ending = std::strlen(kCopyEnding);
    do {
        // <name>.<process number>.tmp
        const std::string copy = found.cFileName;
        if (copy.size() <= numberStart + ending)
            continue;
        const std::string number = copy.substr(numberStart, copy.size() - numberStart - ending);
        if (number.find_first_not_of("0123456789") == std::string::npos &&
            !processRuns(static_cast<DWORD>(std::strtoul(number.c_str(), nullptr, 10))))
            ::DeleteFileA((folder + copy).c_str());
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
}

std::string IniFile::listKey(const std::string& stem, int index)
{
    return stem + std::to_string(index);
}
