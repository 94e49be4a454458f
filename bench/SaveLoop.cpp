// Saves the settings dialog's keys over and over until it is killed, as the dialog does when every
// value changes, for bench/kill-during-save.sh. Rounds alternate between two complete sets of
// values, every key holding 1 in one and 2 in the other; first each set is saved once into a
// file of its own, SETTINGS-FILE.1 and SETTINGS-FILE.2, to compare with.
// Usage: save_loop SETTINGS-FILE
#include "settings/IniFile.h"
#include "settings/SettingsSchema.h"
#include "ui/AquariumSettingsKeys.h"

#include <cstdio>
#include <string>

namespace {

AquariumSettings everyKeyHolding(int value)
{
    AquariumSettings values{};
    for (const SettingsKey& key : kAquariumSettingsKeys) {
        if (key.field != nullptr)
            values.*key.field = value;
        else
            values.*key.phaseField = static_cast<float>(value);
    }
    return values;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: save_loop SETTINGS-FILE\n");
        return 2;
    }
    const std::string path = argv[1];
    const AquariumSettings rounds[2] = {everyKeyHolding(1), everyKeyHolding(2)};
    for (int set = 0; set < 2; ++set) {
        KeyTexts nothingKnown;
        saveDialogSettings(IniFile(path + "." + std::to_string(set + 1)), rounds[set],
                           nothingKnown, SaveScope::Changes);
    }
    const IniFile ini(path);
    for (long round = 0;; ++round) {
        KeyTexts nothingKnown;  // so that every key is written
        saveDialogSettings(ini, rounds[round % 2], nothingKnown, SaveScope::Changes);
        if (round == 0) {
            std::printf("saving\n");
            std::fflush(stdout);
        }
    }
}
