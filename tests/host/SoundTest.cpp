// The instrument through the VST3 and LV2 boundaries: a held note and a wheel sweep give a row
// of distinct clicks, placed the same whatever the host's block size.
#include <cmath>

#include <gtest/gtest.h>

#include "Gesture.h"
#include "HostTestSupport.h"
#include "OfflineRenderer.h"
#include "ParameterAccess.h"

using HostTestSupport::Bundle;

namespace
{
struct SoundCase
{
    Bundle bundle;
    double rate;
    int blockSize;
};

struct Render
{
    juce::AudioBuffer<float> audio;
    std::vector<double> onsets; // seconds
};

bool isSilent (const juce::AudioBuffer<float>& audio)
{
    for (int channel = 0; channel < audio.getNumChannels(); ++channel)
        if (audio.findMinMax (channel, 0, audio.getNumSamples()) != juce::Range<float>())
            return false;
    return true;
}

// Click onsets: 1 ms frames of the first difference's energy that jump well above the frames
// just before them, at least 10 ms apart.
std::vector<double> findOnsets (const juce::AudioBuffer<float>& audio, double rate)
{
    const auto frameLength = juce::jmax (1, (int) std::lround (rate / 1000.0));
    const auto numFrames = audio.getNumSamples() / frameLength;

    std::vector<double> energy ((size_t) numFrames, 0.0);
    float previous = 0.0f;
    for (int i = 0; i < numFrames * frameLength; ++i)
    {
        const auto mono = audio.getSample (0, i) + audio.getSample (1, i);
        const auto difference = (double) (mono - previous);
        energy[(size_t) (i / frameLength)] += difference * difference;
        previous = mono;
    }

    const auto loudest = *std::max_element (energy.begin(), energy.end());
    const auto floor = loudest * 1.0e-4;
    constexpr int history = 20;
    constexpr double refractory = 0.010;

    std::vector<double> onsets;
    for (int f = 1; f < numFrames; ++f)
    {
        double before = 0.0;
        const auto first = juce::jmax (0, f - history);
        for (int g = first; g < f; ++g)
            before += energy[(size_t) g];
        before /= (double) (f - first);

        const auto time = (double) f * frameLength / rate;
        if (energy[(size_t) f] > floor && energy[(size_t) f] > 8.0 * before
            && (onsets.empty() || time - onsets.back() >= refractory))
            onsets.push_back (time);
    }

    return onsets;
}

Render renderSweep (const SoundCase& c)
{
    auto plugin = HostTestSupport::load (c.bundle, c.rate, c.blockSize);
    // The room's tail would blur the onsets; the clicks themselves are what is measured.
    ParameterAccess::setPlainValue (ParameterAccess::require (*plugin.instance, "Room Level"), "0");

    RenderSettings settings;
    settings.sampleRate = c.rate;
    settings.blockSize = c.blockSize;

    Render result;
    result.audio = OfflineRenderer::render (*plugin.instance, Gesture::create ("sweep"), settings);
    if (! isSilent (result.audio))
        result.onsets = findOnsets (result.audio, c.rate);
    return result;
}

// The share of reference onsets that have an onset within 2 ms in the other list.
double matchedShare (const std::vector<double>& reference, const std::vector<double>& other)
{
    int matched = 0;
    for (const auto time : reference)
    {
        const auto near = std::lower_bound (other.begin(), other.end(), time - 0.002);
        matched += (near != other.end() && *near <= time + 0.002) ? 1 : 0;
    }
    return reference.empty() ? 0.0 : (double) matched / (double) reference.size();
}

const Render& reference (double rate)
{
    static std::map<double, Render> renders;
    auto found = renders.find (rate);
    if (found == renders.end())
        found = renders.emplace (rate, renderSweep ({ HostTestSupport::vst3Bundle, rate, 512 })).first;
    return found->second;
}

class HeldNoteAndWheelSweep : public testing::TestWithParam<SoundCase>
{
};

TEST_P (HeldNoteAndWheelSweep, PlaysDistinctClicksAtTheSameTimesForAnyBlockSize)
{
    const auto& c = GetParam();
    const auto render = renderSweep (c);

    ASSERT_EQ (OfflineRenderer::countNonFinite (render.audio), 0);

    ASSERT_FALSE (isSilent (render.audio)) << "a held note and a wheel sweep gave no sound";

    // The first wheel value only places the stick: nothing sounds before the note at 0.1 s.
    const auto& onsets = render.onsets;
    RecordProperty ("onsets", (int) onsets.size());
    ASSERT_FALSE (onsets.empty());
    EXPECT_GE (onsets.front(), 0.1 - 0.002);

    // The sweep crosses 35 ridge boundaries up and 35 down; the note-on adds one click.
    const auto countBetween = [&onsets] (double from, double to)
    { return std::count_if (onsets.begin(), onsets.end(), [=] (double t) { return t >= from && t < to; }); };
    EXPECT_NEAR ((double) onsets.size(), 71.0, 7.0);
    EXPECT_NEAR ((double) countBetween (0.3, 1.9), 35.0, 4.0);
    EXPECT_NEAR ((double) countBetween (1.9, 3.6), 35.0, 4.0);

    // Clicks land at their own samples, so the block size must not move them.
    const auto& expected = reference (c.rate).onsets;
    EXPECT_GE (matchedShare (expected, onsets), 0.9);
    EXPECT_GE (matchedShare (onsets, expected), 0.9);
}

std::vector<SoundCase> soundCases()
{
    std::vector<SoundCase> cases;
    for (const auto rate : { 44100.0, 48000.0 })
        for (const auto blockSize : { 1, 64, 512, 4096, 12000 })
            cases.push_back ({ HostTestSupport::vst3Bundle, rate, blockSize });

    // MIDI reaches an LV2 plug-in another way; its clicks must fall at the same times.
    cases.push_back ({ HostTestSupport::lv2Bundle, 44100.0, 512 });
    return cases;
}

INSTANTIATE_TEST_SUITE_P (RatesAndBlocks, HeldNoteAndWheelSweep, testing::ValuesIn (soundCases()),
                          [] (const auto& info)
                          {
                              return std::string (info.param.bundle.format) + "_" + std::to_string ((int) info.param.rate) + "Hz_block"
                                     + std::to_string (info.param.blockSize);
                          });

// Without notes and with "Hold Note" off nothing may sound. The compressor's crossover adds a
// tiny constant against denormal values, which leaves residues around -160 to -200 dBFS, so
// silence here is what a 24-bit file stores as zero: below half its smallest step.
class NoMidi : public testing::TestWithParam<Bundle>
{
};

TEST_P (NoMidi, GivesSilence)
{
    auto plugin = HostTestSupport::load (GetParam());
    RenderSettings settings;
    settings.blockSize = 256;
    settings.seconds = 8 * 256 / settings.sampleRate;

    const auto audio = OfflineRenderer::render (*plugin.instance, {}, settings);
    ASSERT_EQ (audio.getNumSamples(), 8 * 256);

    const auto inaudible = std::ldexp (1.0f, -24);
    for (int channel = 0; channel < 2; ++channel)
    {
        const auto range = audio.findMinMax (channel, 0, audio.getNumSamples());
        EXPECT_LT (std::abs (range.getStart()), inaudible) << "channel " << channel;
        EXPECT_LT (std::abs (range.getEnd()), inaudible) << "channel " << channel;
    }
}

INSTANTIATE_TEST_SUITE_P (Formats, NoMidi, testing::Values (HostTestSupport::vst3Bundle, HostTestSupport::lv2Bundle),
                          [] (const auto& info) { return std::string (info.param.format); });
} // namespace
