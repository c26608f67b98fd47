#pragma once

#include <array>

// The four host parameters. Every reader addresses a parameter by its index, which is also its
// position in the processor's parameter list and, written in decimal, its ID.
struct ParameterInfo
{
    int index;
    float minimum;
    float maximum;
    float defaultValue;
    const char* name;

    float normalisedDefault() const noexcept { return (defaultValue - minimum) / (maximum - minimum); }
};

enum ParameterIndex
{
    compressionParameter = 0,
    roomLevelParameter = 1,
    outputLevelParameter = 2,
    holdNoteParameter = 3,
    numParameters = 4
};

inline constexpr std::array<ParameterInfo, numParameters> kParameterInfo {{
    { compressionParameter, 0.0f, 1.0f, 0.25f, "Compression" },
    { roomLevelParameter,   0.0f, 1.0f, 0.5f,  "Room Level" },
    { outputLevelParameter, 0.0f, 1.0f, 0.5f,  "Output Level" },
    { holdNoteParameter,    0.0f, 1.0f, 0.0f,  "Hold Note" },
}};
