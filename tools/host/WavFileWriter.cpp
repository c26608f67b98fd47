#include "WavFileWriter.h"

#include <juce_audio_formats/juce_audio_formats.h>

#include "HostError.h"

namespace WavFileWriter
{
bool isSupportedBitDepth (int bits)
{
    return bits == 16 || bits == 24 || bits == 32;
}

void write (const juce::File& file, const juce::AudioBuffer<float>& audio, double sampleRate, int bits)
{
    jassert (isSupportedBitDepth (bits));

    if (! file.getParentDirectory().isDirectory() || (file.exists() && ! file.deleteFile()))
        throw HostError ("cannot write WAV file: " + file.getFullPathName());

    auto stream = std::make_unique<juce::FileOutputStream> (file);
    if (! stream->openedOk())
        throw HostError ("cannot write WAV file: " + file.getFullPathName());

    juce::WavAudioFormat wav;
    std::unique_ptr<juce::AudioFormatWriter> writer (wav.createWriterFor (stream.get(), sampleRate,
                                                                          (unsigned int) audio.getNumChannels(),
                                                                          bits, {}, 0));
    if (writer == nullptr)
        throw HostError ("cannot write WAV file: " + file.getFullPathName());

    // The writer owns the stream from here on.
    stream.release();

    if (! writer->writeFromAudioSampleBuffer (audio, 0, audio.getNumSamples()))
        throw HostError ("cannot write WAV file: " + file.getFullPathName());
}
} // namespace WavFileWriter
