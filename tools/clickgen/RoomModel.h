#pragma once

#include "WavFile.h"

namespace clickgen
{
    constexpr int roomFrames = 20384;

    // The impulse response of a small wooden room (about 4.3 by 3.5 by 2.7 m) heard by a spaced pair
    // of microphones a couple of metres from the player. The direct sound is left out (the plug-in
    // plays the dry clicks on their own path): the response opens with the walls', floor's and
    // ceiling's early reflections, found by mirror images, and goes on as a dense tail of noise
    // that dies away faster in the treble than in the middle. Stereo, 16-bit, 44100 Hz.
    WavData synthesizeRoom();
}
