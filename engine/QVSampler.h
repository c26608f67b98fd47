#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "ClickStreamDecoder.h"
#include "QVInstrument.h"
#include "QVSample.h"
#include "UnseededRand.h"

// How a variant of a slot is picked. Every value other than InOrder and SharedCounter behaves as Random.
enum SelectionMode : int32_t
{
    InOrder = 0,
    Random = 1,
    SharedCounter = 2
};

// One of the sampler's 128 instruments: 128 slots of up to 40 interchangeable recordings.
struct SamplerInstrument
{
    static constexpr int numSlots = 128;
    static constexpr int maxVariants = 40;

    int32_t selectionCounter = 0;
    int32_t selectionMode = Random;
    int32_t lastVariant[numSlots] {};
    QVSample* clicks[numSlots][maxVariants] {};
    int32_t counts[numSlots] {};
};

// One voice of the pool: plays one recording once, resampled to the host rate under a falling envelope.
struct SamplerVoice
{
    ClickStreamDecoder decoder;
    SamplerVoice* next = nullptr;
    float gain = 0.0f;
    int32_t instrument = 0;
    bool active = false;
    float rate = 1.0f;
    double position = 0.0;
    int32_t framesDecoded = 0;
    float ring[4][2] {};
    int32_t ringIndex = 0;
    QVSample* sample = nullptr;
    float curve = 1.0f;
    int32_t delay = 0;

    // Produces the voice's next output frame (one value per channel) and advances it.
    void renderFrame (float out[2]) noexcept;

private:
    void renderEncoded (float out[2]) noexcept;
    void renderPlain (float out[2]) noexcept;
    void finish() noexcept;
};

// The polyphonic player of short recordings: 128 instruments, 64 voices, one stereo mix buffer.
// Everything is allocated by the constructor; starting and rendering voices allocate nothing.
class QVSampler : public QVInstrument
{
public:
    static constexpr int numInstruments = 128;
    static constexpr int numVoices = 64;
    static constexpr int mixBufferFrames = 16384;

    QVSampler();
    ~QVSampler() override;

    // A note-on with a velocity above 0 plays slot velocity of instrument note; everything else is ignored.
    void processMidiMessage (uint8_t status, uint8_t data1, uint8_t data2, int sampleOffset) override;
    void triggerClick (int instrument, int slot, int sampleOffset) override;

    // Starts a voice at sampleOffset in the current block (a negative offset starts the recording
    // part-way in). With no sample given, a variant of the slot is picked.
    void startVoice (int instrument, int slot, int sampleOffset, QVSample* sample);

    // Picks the next variant of a slot by the instrument's selection mode; null when the slot is empty.
    QVSample* selectVariant (int instrument, int slot) noexcept;

    // Files a record into a slot as its next variant; the sampler owns it from now on.
    // Returns false (and drops the record) when the slot is full or out of range.
    bool addSample (int instrument, int slot, std::unique_ptr<QVSample> sample);

    // Clears frames 0 to numSamples - 1 of the mix and renders every sounding voice into them,
    // sample by sample. numSamples is limited to the mix buffer's size.
    void renderBlock (int numSamples) noexcept;

    void removeFinishedVoices() noexcept;
    void stopAllVoices() noexcept;
    void setSampleRate (float newRate) noexcept;

    const float* getMixBuffer() const noexcept { return mixBuffer.data(); }
    SamplerVoice* getVoiceListHead() const noexcept { return voiceListHead; }

    std::array<SamplerInstrument, numInstruments> instruments;
    std::vector<std::unique_ptr<QVSample>> ownedSamples;
    SamplerVoice* voiceListHead = nullptr;
    SamplerVoice* voiceListTail = nullptr;
    std::array<SamplerVoice, numVoices> voices;
    int32_t voiceCursor = 0;

    struct ChannelGains { float left = 1.0f; float right = 1.0f; };
    std::array<ChannelGains, numInstruments> channelGains;
    std::array<float, numInstruments> gains;
    std::array<float, numInstruments> pitchRatios;
    std::array<float, numInstruments> curves;
    float sampleRate = 44100.0f;
    std::vector<float> mixBuffer; // interleaved stereo

private:
    SamplerVoice& findVoice() noexcept;
    void appendToList (SamplerVoice& voice) noexcept;
    void unlink (SamplerVoice& voice) noexcept;

    UnseededRand random;
};
