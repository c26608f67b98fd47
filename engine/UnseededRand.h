#pragma once

#include <cstdint>

// The sequence the C library's rand() gives in a process that never seeds it (glibc's additive
// feedback generator from its default seed 1), without the lock that rand() takes on every call:
// the audio thread draws from it.
class UnseededRand
{
public:
    UnseededRand() noexcept
    {
        int32_t r[34];
        r[0] = 1;
        for (int i = 1; i < 31; ++i)
        {
            // 16807 * r mod (2^31 - 1) by Schrage's method, as the C library computes it.
            const int32_t hi = r[i - 1] / 127773;
            const int32_t lo = r[i - 1] % 127773;
            int32_t word = 16807 * lo - 2836 * hi;
            if (word < 0)
                word += 2147483647;
            r[i] = word;
        }
        for (int i = 31; i < 34; ++i)
            r[i] = r[i - 31];

        for (int i = 0; i < 34; ++i)
            state[i] = (uint32_t) r[i];

        // The C library throws the first 310 outputs away.
        for (int i = 0; i < 310; ++i)
            step();
    }

    // The next value, 0 to 2^31 - 1, as rand() would return it.
    int next() noexcept { return (int) (step() >> 1); }

private:
    uint32_t step() noexcept
    {
        // state holds the last 34 words; the new word is word[-31] + word[-3].
        const uint32_t word = state[(index + 3) % 34] + state[(index + 31) % 34];
        state[index] = word;
        index = (index + 1) % 34;
        return word;
    }

    uint32_t state[34] {};
    int index = 0;
};
