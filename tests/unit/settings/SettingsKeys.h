// The key vocabulary of section "Aquarium Settings", in record order, with
// the text the file holds after a load from nothing, and a writer of hand-made settings files.
#pragma once

#include "SettingsFiles.h"

#include <map>
#include <string>
#include <vector>

struct SettingsKey {
    const char* key;
    const char* textAfterFirstLoad;  // the default, or the forced value of an overridden key
};

inline const std::vector<SettingsKey>& aquariumKeys()
{
    static const std::vector<SettingsKey> keys = {
        {"Show Water", "0"},        {"Show Light", "0"},         {"Show Terra", "1"},
        {"FRONT GUDING", "1"},      {"FRONTCOLOR", "16777215"},  {"FRONT MANJIANBIAN", "0"},
        {"FRONT COLOR1", "16777215"}, {"FRONT COLOR2", "16777215"}, {"FRONT AUTOJIANBIAN", "0"},
        {"CHECK LOCKFORE", "0"},    {"LOCKFORE ROT", "0"},       {"BACK GUDING", "1"},
        {"BACKCOLOR", "0"},         {"BACK MANJIANBIAN", "0"},   {"BACK COLOR1", "65280"},
        {"BACK COLOR2", "0"},       {"BACK AUTOJIANBIAN", "0"},  {"CHECK LOCKBACK", "0"},
        {"LOCKBACK ROT", "0"},      {"YINLIANG", "32767.5"},     {"QIPAONUM", "100"},
        {"BACKGROUND", "0"},        {"FOGNONGDU", "0"},          {"LIGHTQIANGDU", "0"},
        {"CHECK VIEWS", "1"},       {"VIEWSLEFTRIGHT", "0"},     {"VIEWSNEARFAR", "0"},
    };
    return keys;
}

inline std::string fishKey(int kind)
{
    return "Fish" + std::to_string(kind);
}

using KeyValues = std::vector<std::pair<std::string, std::string>>;

// The text of a settings file with the two sections as given, in the given order.
inline std::string settingsFileText(const KeyValues& aquarium, const KeyValues& fish)
{
    std::string text = "[Aquarium Settings]\r\n";
    for (const auto& [key, value] : aquarium)
        text += key + "=" + value + "\r\n";
    text += "[Fish Number]\r\n";
    for (const auto& [key, value] : fish)
        text += key + "=" + value + "\r\n";
    return text;
}

// Every key of both sections: the first-load text, replaced where `changes` names the key.
inline std::string completeSettingsFileText(const std::map<std::string, std::string>& changes = {})
{
    KeyValues aquarium;
    for (const SettingsKey& k : aquariumKeys()) {
        const auto changed = changes.find(k.key);
        aquarium.emplace_back(k.key, changed != changes.end() ? changed->second
                                                             : k.textAfterFirstLoad);
    }
    KeyValues fish;
    for (int kind = 0; kind < 15; ++kind) {
        const auto changed = changes.find(fishKey(kind));
        fish.emplace_back(fishKey(kind), changed != changes.end() ? changed->second : "2");
    }
    return settingsFileText(aquarium, fish);
}
