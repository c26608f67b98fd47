#include <gtest/gtest.h>

#include "CommandLine.h"
#include "HostError.h"

namespace
{
juce::StringArray words (const std::vector<const char*>& list)
{
    juce::StringArray result;
    for (const auto* word : list)
        result.add (word);
    return result;
}

TEST (CommandLineParse, ReadsAFullRenderCommand)
{
    const auto command = CommandLine::parse (words ({ "render", "b/Wexla.vst3", "--gesture", "sweep", "--out", "o.wav",
                                                      "--rate", "48000", "--block", "64", "--seconds", "2.5", "--bits", "32",
                                                      "--param", "Hold Note=1", "--param", "2=0.7", "--state-in", "s.in",
                                                      "--state-out", "s.out", "--quiet" }));

    EXPECT_EQ (command.kind, HostCommand::Kind::render);
    EXPECT_EQ (command.bundle.getFileName(), "Wexla.vst3");
    EXPECT_EQ (command.gesture, "sweep");
    EXPECT_EQ (command.out.getFileName(), "o.wav");
    EXPECT_EQ (command.sampleRate, 48000.0);
    EXPECT_EQ (command.blockSize, 64);
    EXPECT_EQ (command.seconds, 2.5);
    EXPECT_EQ (command.bits, 32);
    ASSERT_EQ (command.parameters.size(), 2u);
    EXPECT_EQ (command.parameters[0].first, "Hold Note");
    EXPECT_EQ (command.parameters[0].second, "1");
    EXPECT_EQ (command.parameters[1].first, "2");
    EXPECT_EQ (command.stateIn.getFileName(), "s.in");
    EXPECT_EQ (command.stateOut.getFileName(), "s.out");
    EXPECT_TRUE (command.quiet);
}

TEST (CommandLineParse, FillsInDefaults)
{
    const auto command = CommandLine::parse (words ({ "render", "Wexla.lv2", "--midi", "take.mid", "--out", "o.wav" }));
    EXPECT_EQ (command.midiFile.getFileName(), "take.mid");
    EXPECT_EQ (command.sampleRate, 44100.0);
    EXPECT_EQ (command.blockSize, 512);
    EXPECT_EQ (command.seconds, 0.0);
    EXPECT_EQ (command.bits, 24);
    EXPECT_FALSE (command.quiet);

    EXPECT_EQ (CommandLine::parse (words ({ "--help" })).kind, HostCommand::Kind::help);
    EXPECT_EQ (CommandLine::parse (words ({ "shot", "W.vst3", "--out", "w.png" })).waitMilliseconds, 500);
}

struct BadArguments
{
    std::vector<const char*> arguments;
    const char* complaint;
};

class CommandLineRejects : public testing::TestWithParam<BadArguments>
{
};

TEST_P (CommandLineRejects, WithAMessageThatSaysWhy)
{
    try
    {
        CommandLine::parse (words (GetParam().arguments));
        FAIL() << "accepted";
    }
    catch (const UsageError& error)
    {
        EXPECT_TRUE (juce::String (error.what()).contains (GetParam().complaint)) << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P (
    Cases, CommandLineRejects,
    testing::Values (BadArguments { {}, "no command" },
                     BadArguments { { "play", "W.vst3" }, "unknown command \"play\"" },
                     BadArguments { { "info" }, "needs a plug-in bundle" },
                     BadArguments { { "info", "a.vst3", "b.vst3" }, "unexpected argument \"b.vst3\"" },
                     BadArguments { { "info", "a.vst3", "--out", "x" }, "unknown option --out" },
                     BadArguments { { "render", "W.vst3", "--out", "o.wav" }, "--midi FILE or --gesture NAME" },
                     BadArguments { { "render", "W.vst3", "--midi", "m.mid", "--gesture", "sweep", "--out", "o.wav" }, "not both" },
                     BadArguments { { "render", "W.vst3", "--gesture", "wobble", "--out", "o.wav" }, "unknown gesture \"wobble\"" },
                     BadArguments { { "render", "W.vst3", "--gesture", "sweep" }, "missing --out" },
                     BadArguments { { "render", "W.vst3", "--gesture", "sweep", "--out" }, "--out needs a value" },
                     BadArguments { { "render", "W.vst3", "--gesture", "sweep", "--out", "o.wav", "--rate", "fast" }, "needs a number" },
                     BadArguments { { "render", "W.vst3", "--gesture", "sweep", "--out", "o.wav", "--rate", "1000" }, "--rate must lie" },
                     BadArguments { { "render", "W.vst3", "--gesture", "sweep", "--out", "o.wav", "--block", "0" }, "--block must lie" },
                     BadArguments { { "render", "W.vst3", "--gesture", "sweep", "--out", "o.wav", "--block", "2.5" }, "whole number" },
                     BadArguments { { "render", "W.vst3", "--gesture", "sweep", "--out", "o.wav", "--seconds", "0" }, "--seconds must be" },
                     BadArguments { { "render", "W.vst3", "--gesture", "sweep", "--out", "o.wav", "--bits", "20" }, "--bits must be" },
                     BadArguments { { "render", "W.vst3", "--gesture", "sweep", "--out", "o.wav", "--param", "Hold Note" }, "NAME=VALUE" },
                     BadArguments { { "render", "W.vst3", "--gesture", "sweep", "--out", "o.wav", "--param", "=1" }, "NAME=VALUE" },
                     BadArguments { { "render", "W.vst3", "--gesture", "sweep", "--out", "o.wav", "--param", "Hold Note=" }, "NAME=VALUE" },
                     BadArguments { { "shot", "W.vst3", "--out", "w.png", "--wait", "-5" }, "--wait must lie" },
                     BadArguments { { "midi", "--out", "g.mid" }, "midi needs --gesture" }));
} // namespace
