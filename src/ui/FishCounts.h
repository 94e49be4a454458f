// The counts the fish dialog edits, one per kind, and the rules of its buttons: Add and Delete on
// one kind, Random and Clear on all of them, and the keys of section "Fish Number".
#pragma once

#include "settings/AquariumSettings.h"

class IniFile;

class FishCounts {
public:
    // Every count 10 until a load replaces them.
    FishCounts();

    // Each count is atoi of its key: a missing or malformed one reads as 0, a large one keeps its
    // value (the tank holds it to 50 when it receives it).
    void load(const IniFile& ini);
    // Writes every count as "%d".
    void save(const IniFile& ini) const;

    int total() const;
    // One more of `kind` while the tank has room (the total is below 50), at most 50 of a kind.
    bool add(int kind);
    // One fewer of `kind`, not below 0.
    bool remove(int kind);
    // 1, 2 or 3 of every kind, drawn with rand() in kind order: 15 to 45 fish in all.
    void randomize();
    void clear();

    int operator[](int kind) const { return counts[kind]; }
    const int (&all() const)[kFishKinds] { return counts; }

    static bool isKind(int index) { return index >= 0 && index < kFishKinds; }

private:
    int counts[kFishKinds];
};
