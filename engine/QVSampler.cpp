#include "QVSampler.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr float recordingRate = 44100.0f;

// Host rates outside this range are taken as its nearer end, so a voice's step stays finite.
constexpr float lowestRate = 1000.0f;
constexpr float highestRate = 4.0e6f;
} // namespace

//==============================================================================
void SamplerVoice::renderFrame (float out[2]) noexcept
{
    out[0] = out[1] = 0.0f;

    if (! active)
        return;

    if (delay > 0)
    {
        --delay;
        return;
    }

    if (position >= (double) sample->numFrames - 2.0)
    {
        finish();
        return;
    }

    if (sample->encoded)
        renderEncoded (out);
    else
        renderPlain (out);

    if (sample->numChannels == 1)
        out[1] = out[0];

    if (position >= (double) sample->numFrames - 2.0)
        finish();
}

void SamplerVoice::renderEncoded (float out[2]) noexcept
{
    position += rate;
    const auto p = (float) position;
    const auto f = (int) std::floor (p);

    // Decode up to frame f; the ring keeps the last four frames.
    while (framesDecoded <= f)
    {
        decoder.decodeFrame (ring[ringIndex]);
        ringIndex = (ringIndex + 1) & 3;
        ++framesDecoded;
    }

    const auto* newest = ring[(ringIndex + 3) & 3];
    const auto* previous = ring[(ringIndex + 2) & 3];

    const auto peak = sample->peak;
    const auto d = (float) (position - peak);
    auto e = d >= 0.0f ? 1.0f - d / (float) (sample->numFrames - peak)
                       : p / (float) peak;
    // A step past the end would make the envelope negative, and a power of it undefined.
    e = std::max (e, 0.0f);
    const auto g = curve == 1.0f ? e : std::pow (e, curve);

    const auto t = (float) (position - f);
    for (int c = 0; c < std::min (sample->numChannels, 2); ++c)
        out[c] = (newest[c] * t + previous[c] * (1.0f - t)) * g;
}

void SamplerVoice::renderPlain (float out[2]) noexcept
{
    const auto p = (float) position;
    const auto f = (int) std::floor (p);
    const auto t = (float) (position - f);
    const auto channels = sample->numChannels;

    for (int c = 0; c < std::min (channels, 2); ++c)
    {
        out[c] = (float) sample->pcm[(f + 1) * channels + c] / 32767.0f * t
               + (float) sample->pcm[f * channels + c] / 32767.0f * (1.0f - t);
    }

    position += rate;
}

void SamplerVoice::finish() noexcept
{
    active = false;
    position = 0.0;
    framesDecoded = 0;
}

//==============================================================================
QVSampler::QVSampler()
    : mixBuffer ((size_t) mixBufferFrames * 2, 0.0f)
{
    gains.fill (0.7f);
    pitchRatios.fill (1.0f);
    curves.fill (1.0f);
    ownedSamples.reserve (1024);
}

QVSampler::~QVSampler() = default;

void QVSampler::processMidiMessage (uint8_t status, uint8_t data1, uint8_t data2, int sampleOffset)
{
    if ((status & 0xF0) == 0x90 && data2 != 0)
        triggerClick (data1, data2, sampleOffset);
}

void QVSampler::triggerClick (int instrument, int slot, int sampleOffset)
{
    startVoice (instrument, slot, sampleOffset, selectVariant (instrument, slot));
}

QVSample* QVSampler::selectVariant (int instrument, int slot) noexcept
{
    if (instrument < 0 || instrument >= numInstruments || slot < 0 || slot >= SamplerInstrument::numSlots)
        return nullptr;

    auto& inst = instruments[(size_t) instrument];
    const auto n = inst.counts[slot];
    if (n <= 0)
        return nullptr;

    int32_t v;
    switch (inst.selectionMode)
    {
        case InOrder:
            v = (inst.lastVariant[slot] + 1) % n;
            break;

        case SharedCounter:
        {
            auto c = inst.selectionCounter;
            if (c >= n)
                c = 0;
            v = c % n;
            inst.selectionCounter = c + 1;
            break;
        }

        default:
        {
            const auto r = random.next() % n;
            v = r == inst.lastVariant[slot] ? (inst.lastVariant[slot] + 1) % n : r;
            break;
        }
    }

    inst.lastVariant[slot] = v;
    return inst.clicks[slot][v];
}

bool QVSampler::addSample (int instrument, int slot, std::unique_ptr<QVSample> sample)
{
    if (sample == nullptr || instrument < 0 || instrument >= numInstruments
        || slot < 0 || slot >= SamplerInstrument::numSlots)
        return false;

    auto& inst = instruments[(size_t) instrument];
    if (inst.counts[slot] >= SamplerInstrument::maxVariants)
        return false;

    inst.clicks[slot][inst.counts[slot]++] = sample.get();
    ownedSamples.push_back (std::move (sample));
    return true;
}

SamplerVoice& QVSampler::findVoice() noexcept
{
    // The first free voice from the cursor on; with all busy, the one started most recently.
    int taken = (voiceCursor + numVoices - 1) % numVoices;
    for (int i = 0; i < numVoices; ++i)
    {
        const auto index = (voiceCursor + i) % numVoices;
        if (! voices[(size_t) index].active)
        {
            taken = index;
            break;
        }
    }

    voiceCursor = (taken + 1) % numVoices;
    return voices[(size_t) taken];
}

void QVSampler::startVoice (int instrument, int slot, int sampleOffset, QVSample* sample)
{
    auto& voice = findVoice();

    if (sample == nullptr)
        sample = selectVariant (instrument, slot);

    // Records of more than two channels do not fit the voice's frame; out-of-range instruments have no tables.
    if (sample == nullptr || sample->numChannels < 0 || sample->numChannels > 2
        || (sample->encoded ? sample->entry == nullptr || sample->entry[14] > 2 : sample->pcm == nullptr)
        || instrument < 0 || instrument >= numInstruments)
        return;

    const bool wasListed = voice.active;

    voice.sample = sample;
    voice.instrument = instrument;
    voice.position = 0.0;
    voice.framesDecoded = 0;
    voice.gain = gains[(size_t) instrument];
    voice.curve = curves[(size_t) instrument];

    if (sample->encoded)
    {
        voice.decoder.reset (sample->entry, sample->entrySize);
        std::fill (&voice.ring[0][0], &voice.ring[0][0] + 8, 0.0f);
        voice.ringIndex = 0;

        if (sampleOffset < 0)
        {
            // Start part-way in: the click sounds at once, -offset frames into the recording.
            const auto skip = std::min<int64_t> (-(int64_t) sampleOffset,
                                                 (int64_t) sample->numFrames - voice.decoder.getFrameIndex());
            if (skip > 0)
                voice.decoder.skipFrames ((int) skip);

            const auto into = (int32_t) std::min<int64_t> (-(int64_t) sampleOffset, INT32_MAX);
            voice.position = into;
            voice.framesDecoded = into;
            voice.delay = 0;
        }
        else
        {
            voice.delay = sampleOffset;
        }
    }
    else
    {
        voice.delay = sampleOffset;
    }

    voice.rate = (recordingRate / sampleRate) * pitchRatios[(size_t) instrument];
    voice.active = true;

    // A voice taken over while busy is still listed; it moves to the end unless it is there already.
    if (wasListed)
    {
        if (&voice == voiceListTail)
            return;
        unlink (voice);
    }

    appendToList (voice);
}

void QVSampler::appendToList (SamplerVoice& voice) noexcept
{
    voice.next = nullptr;
    if (voiceListHead == nullptr)
        voiceListHead = &voice;
    else
        voiceListTail->next = &voice;
    voiceListTail = &voice;
}

void QVSampler::unlink (SamplerVoice& voice) noexcept
{
    SamplerVoice* previous = nullptr;
    for (auto* v = voiceListHead; v != nullptr; previous = v, v = v->next)
    {
        if (v != &voice)
            continue;

        (previous != nullptr ? previous->next : voiceListHead) = v->next;
        if (voiceListTail == v)
            voiceListTail = previous;
        v->next = nullptr;
        return;
    }
}

void QVSampler::renderBlock (int numSamples) noexcept
{
    numSamples = std::clamp (numSamples, 0, mixBufferFrames);
    std::fill (mixBuffer.begin(), mixBuffer.begin() + 2 * numSamples, 0.0f);

    auto* const head = voiceListHead;
    if (numSamples == 0 || head == nullptr)
        return;

    // Sample-major, so that every voice's delay counts the block's samples from 0.
    for (int i = 0; i < numSamples; ++i)
    {
        auto& left = mixBuffer[(size_t) (2 * i)];
        auto& right = mixBuffer[(size_t) (2 * i + 1)];

        for (auto* voice = head; voice != nullptr; voice = voice->next)
        {
            float out[2];
            voice->renderFrame (out);
            const auto& channel = channelGains[(size_t) voice->instrument];
            left += channel.left * out[0] * voice->gain;
            right += channel.right * out[1] * voice->gain;
        }
    }
}

void QVSampler::removeFinishedVoices() noexcept
{
    SamplerVoice* previous = nullptr;
    auto* voice = voiceListHead;

    while (voice != nullptr)
    {
        auto* const next = voice->next;
        if (! voice->active)
        {
            (previous != nullptr ? previous->next : voiceListHead) = next;
            voice->next = nullptr;
        }
        else
        {
            previous = voice;
        }
        voice = next;
    }

    voiceListTail = previous;
}

void QVSampler::stopAllVoices() noexcept
{
    voiceListHead = voiceListTail = nullptr;
    for (auto& voice : voices)
    {
        voice.active = false;
        voice.next = nullptr;
    }
}

void QVSampler::setSampleRate (float newRate) noexcept
{
    sampleRate = std::isfinite (newRate) ? std::clamp (newRate, lowestRate, highestRate) : recordingRate;
}
