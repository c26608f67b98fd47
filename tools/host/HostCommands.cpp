#include "HostCommands.h"

#include <ostream>
#include <unistd.h>

#include "EditorSnapshot.h"
#include "Gesture.h"
#include "HostError.h"
#include "MidiFiles.h"
#include "OfflineRenderer.h"
#include "ParameterAccess.h"
#include "PluginLoader.h"
#include "PluginReport.h"
#include "PluginState.h"
#include "ProgressBar.h"
#include "WavFileWriter.h"
#include "WaveformPicture.h"

namespace HostCommands
{
namespace
{
// The saved state first, then single parameters on top of it.
void applySettings (juce::AudioPluginInstance& instance, const HostCommand& command)
{
    if (command.stateIn != juce::File())
        PluginState::restore (instance, PluginState::readFile (command.stateIn));

    for (const auto& [key, value] : command.parameters)
        ParameterAccess::setPlainValue (ParameterAccess::require (instance, key), value);

    if (command.stateIn != juce::File() || ! command.parameters.empty())
        OfflineRenderer::passOnParameterChanges (instance, command.sampleRate, command.blockSize);
}

int info (const HostCommand& command, std::ostream& out)
{
    PluginLoader loader;
    const auto plugin = loader.load (command.bundle, command.sampleRate, command.blockSize);
    applySettings (*plugin.instance, command);
    out << PluginReport::describe (plugin) << std::flush;
    return 0;
}

int render (const HostCommand& command, std::ostream& err)
{
    const auto sequence = command.gesture.isNotEmpty() ? Gesture::create (command.gesture)
                                                       : MidiFiles::read (command.midiFile);

    PluginLoader loader;
    const auto plugin = loader.load (command.bundle, command.sampleRate, command.blockSize);
    applySettings (*plugin.instance, command);

    RenderSettings settings;
    settings.sampleRate = command.sampleRate;
    settings.blockSize = command.blockSize;
    settings.seconds = command.seconds;

    juce::AudioBuffer<float> audio;
    {
        ProgressBar progress (err, ! command.quiet && isatty (STDERR_FILENO) != 0);
        audio = OfflineRenderer::render (*plugin.instance, sequence, settings,
                                         [&progress] (double done) { progress.update (done); });
    }

    WavFileWriter::write (command.out, audio, command.sampleRate, command.bits);

    if (command.waveform != juce::File())
        EditorSnapshot::writePng (WaveformPicture::draw (audio, command.sampleRate), command.waveform);

    if (command.stateOut != juce::File())
        PluginState::writeFile (PluginState::save (*plugin.instance), command.stateOut);

    if (const auto bad = OfflineRenderer::countNonFinite (audio); bad > 0)
        throw HostError ("the output holds " + juce::String (bad) + " samples that are NaN or infinite (written to "
                         + command.out.getFullPathName() + " all the same)");

    return 0;
}

int shot (const HostCommand& command)
{
    PluginLoader loader;
    const auto plugin = loader.load (command.bundle, command.sampleRate, command.blockSize);
    applySettings (*plugin.instance, command);

    const auto image = EditorSnapshot::capture (*plugin.instance, command.waitMilliseconds);
    EditorSnapshot::writePng (image, command.out);
    return 0;
}

int midi (const HostCommand& command)
{
    MidiFiles::write (Gesture::create (command.gesture), command.out);
    return 0;
}
} // namespace

int run (const HostCommand& command, std::ostream& out, std::ostream& err)
{
    switch (command.kind)
    {
        case HostCommand::Kind::help:
            out << CommandLine::usage() << std::flush;
            return 0;
        case HostCommand::Kind::info:
            return info (command, out);
        case HostCommand::Kind::render:
            return render (command, err);
        case HostCommand::Kind::shot:
            return shot (command);
        case HostCommand::Kind::midi:
            return midi (command);
    }

    return 0;
}
} // namespace HostCommands
