#include "HostTestSupport.h"

#include "ParameterAccess.h"

namespace HostTestSupport
{
LoadedPlugin load (const Bundle& bundle, double sampleRate, int blockSize)
{
    PluginLoader loader;
    return loader.load (juce::File (bundle.path), sampleRate, blockSize);
}

juce::Array<juce::AudioProcessorParameter*> ownParameters (juce::AudioPluginInstance& instance)
{
    juce::Array<juce::AudioProcessorParameter*> result;
    for (auto* parameter : instance.getParameters())
        if (parameter != instance.getBypassParameter() && ! ParameterAccess::isMidiControllerProxy (*parameter))
            result.add (parameter);

    return result;
}

namespace
{
ToolRun run (const juce::StringArray& command, int timeoutMilliseconds)
{
    ToolRun result;
    juce::ChildProcess process;
    if (! process.start (command, juce::ChildProcess::wantStdErr))
        return result;

    result.standardError = process.readAllProcessOutput();
    if (! process.waitForProcessToFinish (timeoutMilliseconds))
    {
        process.kill();
        return result;
    }

    result.exitCode = (int) process.getExitCode();
    return result;
}
} // namespace

ToolRun runTool (const juce::StringArray& arguments, int timeoutMilliseconds)
{
    juce::StringArray command { WEXLA_HOST_TOOL };
    command.addArray (arguments);
    return run (command, timeoutMilliseconds);
}

ToolRun runToolUnderXvfb (const juce::StringArray& arguments)
{
    juce::StringArray command { "xvfb-run", "-a", "-s", "-screen 0 1024x768x24", WEXLA_HOST_TOOL };
    command.addArray (arguments);
    return run (command, 120000);
}
} // namespace HostTestSupport
