#pragma once

#include <cstdint>

namespace clickgen
{
    // xoshiro256** seeded through splitmix64: small, fast and the same everywhere.
    class Random
    {
    public:
        explicit Random (uint64_t seed)
        {
            for (auto& s : state)
            {
                seed += 0x9e3779b97f4a7c15ull;
                uint64_t z = seed;
                z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
                z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
                s = z ^ (z >> 31);
            }
        }

        uint64_t next()
        {
            const uint64_t result = rotl (state[1] * 5, 7) * 9;
            const uint64_t t = state[1] << 17;
            state[2] ^= state[0];
            state[3] ^= state[1];
            state[1] ^= state[2];
            state[0] ^= state[3];
            state[2] ^= t;
            state[3] = rotl (state[3], 45);
            return result;
        }

        // Uniform in [0, 1).
        double uniform() { return (double) (next() >> 11) * (1.0 / 9007199254740992.0); }

        // Uniform in [low, high).
        double between (double low, double high) { return low + (high - low) * uniform(); }

        // Zero mean, unit variance, bell-shaped (sum of four uniforms).
        double bell()
        {
            // One draw per statement: the order of calls within an expression is up to the compiler.
            double sum = uniform();
            sum += uniform();
            sum += uniform();
            sum += uniform();
            return (sum - 2.0) * 1.7320508075688772;
        }

    private:
        static uint64_t rotl (uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

        uint64_t state[4] {};
    };
}
