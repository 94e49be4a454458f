// The C runtime's random sequence as the code under test will see it.
#pragma once

#include <cstdlib>
#include <vector>

// Seeds rand() with `seed` and returns the `count` values it will give next, leaving it seeded
// with `seed` again, so the code under test draws exactly these values.
inline std::vector<int> upcomingRandoms(unsigned seed, int count)
{
    std::srand(seed);
    std::vector<int> values;
    for (int i = 0; i < count; ++i)
        values.push_back(std::rand());
    std::srand(seed);
    return values;
}
