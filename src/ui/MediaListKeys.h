// What the two media dialogs keep in the settings file: the user's own pictures (section "Custom
// Images") and own music (section "Custom Settings"). Each section holds the state of its mode
// boxes, its on/off box, a count and one path per listed file.
#pragma once

#include <string>
#include <vector>

class IniFile;

struct MediaListState {
    bool randomOrder = false;  // "Random "
    bool repeatAll = false;    // "Repeat All"
    bool repeatOne = false;    // "Repeat One"
    bool enabled = false;      // the dialog's on/off box
    std::string interval;      // seconds as typed; pictures only
    std::vector<std::string> paths;

    bool operator==(const MediaListState& other) const
    {
        return randomOrder == other.randomOrder && repeatAll == other.repeatAll &&
               repeatOne == other.repeatOne && enabled == other.enabled &&
               interval == other.interval && paths == other.paths;
    }
    bool operator!=(const MediaListState& other) const { return !(*this == other); }
};

enum class MediaList { Pictures, Music };

// The most paths the pictures' section can list; the background dialog takes no more.
constexpr int kMaxPictures = 10;

// Whether the list's on/off box is checked, and whether it lists anything, without reading the
// paths: whether the list must run from the start.
struct MediaListSwitch {
    bool enabled = false;
    bool listsAny = false;
};
MediaListSwitch readMediaListSwitch(const IniFile& ini, MediaList list);

// Reads the list's section. A mode key counts when it is exactly 1. The count is held to what the
// list can take (no more than kMaxPictures pictures; a negative or malformed count is 0), and paths
// that are missing or empty are left out; paths are read whole, however long.
MediaListState loadMediaList(const IniFile& ini, MediaList list);

// Writes the list's section in one write, its keys in this order: the flags as "1" or "0", the
// interval (pictures), the paths, the count as "%d". A path that cannot be written (one holding a
// line break) is left out of the list and the count; keys of the section from longer lists
// before go.
void saveMediaList(const IniFile& ini, MediaList list, const MediaListState& state);
