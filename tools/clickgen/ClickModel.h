#pragma once

#include <vector>

namespace clickgen
{
    // Where and how one click is played: zero-based stick (0 to 2), pressure (0 to 5) and ridge
    // (0 to 35, from the handle end to the far end of the body).
    struct ClickId
    {
        int stick = 0;
        int pressure = 0;
        int ridge = 0;
    };

    constexpr int numSticks = 3;
    constexpr int numPressures = 6;
    constexpr int numRidges = 36;
    constexpr double sampleRate = 44100.0;

    // A physical sketch of one ridge click. The stick rides up the ridge (friction noise), drops off
    // its crest and strikes (a half-sine contact force, shorter and so brighter when pressed harder,
    // sometimes with a small rebound). The force rings the hollow body: its cavity resonance, an air
    // mode and the shell modes, each weighted by its shape at the ridge's place along the body. The
    // contact also radiates a short tick of its own and rings the stick in its material's modes.
    // The result is not yet trimmed or scaled; every call with the same click gives the same samples.
    std::vector<double> synthesizeClick (const ClickId& click);

    // Names of the sticks' materials, for the report.
    const char* getStickName (int stick);
}
