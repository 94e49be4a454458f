// What every fuzzer checks of a decoded image beyond the sanitizers' own checks.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <vector>

// Ends the run as a crash when a decoded image breaks a rule.
inline void require(bool condition)
{
    if (!condition)
        std::abort();
}

// Reads every pixel byte, so that a short buffer shows up under the address sanitizer.
inline unsigned checksum(const std::vector<std::uint8_t>& pixels)
{
    unsigned sum = 0;
    for (const std::uint8_t byte : pixels)
        sum += byte;
    return sum;
}
