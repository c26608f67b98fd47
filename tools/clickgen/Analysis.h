#pragma once

#include <complex>
#include <cstdint>
#include <vector>

#include "ClickModel.h"
#include "WavFile.h"

namespace clickgen
{
    // In-place radix-2 FFT; the size must be a power of two.
    void fft (std::vector<std::complex<double>>& data, bool inverse);

    // Power-weighted mean frequency of the spectrum, in Hz: where the click's energy lies.
    double spectralCentroid (const std::vector<float>& signal, double sampleRate);

    struct ClickMeasurement
    {
        ClickId click;
        uint32_t frames = 0;
        double peak = 0.0;         // largest magnitude, full scale = 1
        double mean = 0.0;
        double tailPeak = 0.0;     // largest magnitude in the last tenth of the frames
        double rms = 0.0;
        double centroidHz = 0.0;
    };

    // Decodes every click of an archive (looked up by the names the bank loader uses) with the
    // plug-in's own reader and decoder, and measures it. Throws std::runtime_error when a click is
    // missing or is not a mono 16-bit stream in blocks of 32.
    std::vector<ClickMeasurement> measureClickArchive (const std::vector<uint8_t>& archive);

    // Decodes one click of the archive to floats, as a voice hears it.
    std::vector<float> decodeClick (const std::vector<uint8_t>& archive, const ClickId& click);

    struct RoomMeasurement
    {
        int channels = 0;
        int sampleRate = 0;
        size_t frames = 0;
        double peak = 0.0;                   // over both channels, full scale = 1
        double firstMillisecondDb = 0.0;     // loudest sample of the first millisecond, dB below the peak
        double firstArrivalMs = 0.0;         // first sample within 20 dB of the peak
        double peakMs = 0.0;
        int earlyReflections = 0;            // separate peaks within 20 dB of the peak in the first 30 ms
        double reverbTime[2] {};             // s, from the Schroeder decay between -5 and -25 dB
        double decayFitError = 0.0;          // dB, worst distance of that decay from its straight line
        double echoDensity = 0.0;            // normalised echo density of the tail (1 for Gaussian noise)
        double correlation = 0.0;            // normalised correlation of the two channels
        double lastTenMsDb = 0.0;            // loudest sample of the last 10 ms, dB below the peak
    };

    RoomMeasurement measureRoom (const WavData& room);

    double toDb (double gain);
}
