#include "ui/FishCounts.h"

#include "settings/IniFile.h"
#include "settings/SettingsStore.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace {
constexpr int kCountBeforeLoad = 10;
constexpr int kRandomCountsPerKind = 3;  // Random gives each kind 1 to this many
}  // namespace

FishCounts::FishCounts()
{
    std::fill(std::begin(counts), std::end(counts), kCountBeforeLoad);
}

void FishCounts::load(const IniFile& ini)
{
    for (int kind = 0; kind < kFishKinds; ++kind)
        counts[kind] = ini.readInt(kFishNumberSection, IniFile::listKey(kFishCountKeyStem, kind));
}

void FishCounts::save(const IniFile& ini) const
{
    ini.update([this](const IniFile& copy) {
        for (int kind = 0; kind < kFishKinds; ++kind)
            copy.writeInt(kFishNumberSection, IniFile::listKey(kFishCountKeyStem, kind),
                          counts[kind]);
    });
}

int FishCounts::total() const
{
    return std::accumulate(std::begin(counts), std::end(counts), 0);
}

bool FishCounts::add(int kind)
{
    if (!isKind(kind) || total() >= kMaxFishCount)
        return false;
    counts[kind] = std::min(counts[kind] + 1, kMaxFishCount);
    return true;
}

bool FishCounts::remove(int kind)
{
    if (!isKind(kind))
        return false;
    counts[kind] = std::max(counts[kind] - 1, 0);
    return true;
}

void FishCounts::randomize()
{
    for (int& count : counts)
        count = std::rand() % kRandomCountsPerKind + 1;
}

void FishCounts::clear()
{
    std::fill(std::begin(counts), std::end(counts), 0);
}
