// The wexla-host program end to end: what users see on success and on failure.
#include <gtest/gtest.h>

#include <unistd.h>

#include <juce_audio_formats/juce_audio_formats.h>

#include "Gesture.h"
#include "HostTestSupport.h"
#include "OfflineRenderer.h"

using HostTestSupport::Bundle;

namespace
{
// A scratch folder with a few broken inputs, removed afterwards.
class ScratchFolder
{
public:
    ScratchFolder()
        : folder (juce::File::getSpecialLocation (juce::File::tempDirectory).getNonexistentChildFile ("wexla-host-test-" + juce::String (getpid()), ""))
    {
        folder.createDirectory();

        // A VST3 bundle whose library is no library.
        const auto library = folder.getChildFile ("Broken.vst3/Contents/x86_64-linux/Broken.so");
        library.create();
        library.replaceWithText ("not a shared library");

        // An LV2 bundle that declares a plug-in whose binary is missing.
        folder.getChildFile ("Broken.lv2").createDirectory();
        folder.getChildFile ("Broken.lv2/manifest.ttl")
            .replaceWithText ("@prefix lv2: <http://lv2plug.in/ns/lv2core#> .\n"
                              "<urn:wexla:test:broken> a lv2:Plugin ; lv2:binary <missing.so> .\n");

        folder.getChildFile ("Empty.lv2").createDirectory();
        folder.getChildFile ("Empty.lv2/manifest.ttl").replaceWithText ("@prefix lv2: <http://lv2plug.in/ns/lv2core#> .\n");

        folder.getChildFile ("garbage.mid").replaceWithText ("this is no MIDI file");
        folder.getChildFile ("notes.txt").replaceWithText ("text");
    }

    ~ScratchFolder() { folder.deleteRecursively(); }

    juce::String path (const char* name) const { return folder.getChildFile (name).getFullPathName(); }

    juce::File folder;
};

struct FailingRun
{
    std::vector<juce::String> arguments; // "@name" stands for a file in the scratch folder
    int exitCode;
    const char* complaint;
};

class HostToolFails : public testing::TestWithParam<FailingRun>
{
};

TEST_P (HostToolFails, WithOneLineOnStandardErrorAndANonZeroStatus)
{
    const ScratchFolder scratch;
    juce::StringArray arguments;
    for (const auto& argument : GetParam().arguments)
        arguments.add (argument.startsWith ("@") ? scratch.path (argument.substring (1).toRawUTF8()) : argument);

    const auto run = HostTestSupport::runTool (arguments);

    EXPECT_EQ (run.exitCode, GetParam().exitCode);
    const auto lines = juce::StringArray::fromLines (run.standardError.trimEnd());
    EXPECT_EQ (lines.size(), 1) << run.standardError;
    EXPECT_TRUE (lines[0].startsWith ("wexla-host: ")) << run.standardError;
    EXPECT_TRUE (run.standardError.contains (GetParam().complaint)) << run.standardError;
}

const juce::String vst3 (WEXLA_VST3_BUNDLE);
const juce::String lv2 (WEXLA_LV2_BUNDLE);

INSTANTIATE_TEST_SUITE_P (
    Cases, HostToolFails,
    testing::Values (FailingRun { { "info", "@Missing.vst3" }, 1, "no such bundle" },
                     FailingRun { { "info", "@notes.txt" }, 1, "not a .vst3 or .lv2 bundle" },
                     FailingRun { { "info", "@Broken.vst3" }, 1, "does not load as a VST3 plug-in" },
                     FailingRun { { "info", "@Broken.lv2" }, 1, "Broken.lv2" },
                     FailingRun { { "info", "@Empty.lv2" }, 1, "declares no plug-in" },
                     FailingRun { { "render", vst3, "--midi", "@garbage.mid", "--out", "@o.wav" }, 1, "not a readable standard MIDI file" },
                     FailingRun { { "render", vst3, "--midi", "@none.mid", "--out", "@o.wav" }, 1, "no such MIDI file" },
                     FailingRun { { "render", vst3, "--gesture", "sweep", "--param", "Volume=1", "--out", "@o.wav" }, 1, "unknown parameter \"Volume\"" },
                     FailingRun { { "render", lv2, "--gesture", "sweep", "--param", "Volume=1", "--out", "@o.wav" }, 1, "unknown parameter \"Volume\"" },
                     FailingRun { { "render", vst3, "--gesture", "sweep", "--param", "Hold Note=on", "--out", "@o.wav" }, 1, "is not a number" },
                     FailingRun { { "render", vst3, "--gesture", "sweep", "--param", "Room Level=1.5", "--out", "@o.wav" }, 1, "outside its range" },
                     FailingRun { { "render", vst3, "--gesture", "sweep", "--state-in", "@none.state", "--out", "@o.wav" }, 1, "cannot read state file" },
                     FailingRun { { "render", vst3, "--gesture", "sweep", "--out", "@no/such/folder/o.wav" }, 1, "cannot write WAV file" },
                     FailingRun { { "render", vst3, "--gesture", "sweep", "--out", "@o.wav", "--bits", "12" }, 2, "--bits must be" },
                     FailingRun { { "bake", vst3 }, 2, "unknown command" }));

struct WavCase
{
    Bundle bundle;
    double rate;
    int bits;
};

class HostToolRenders : public testing::TestWithParam<WavCase>
{
};

TEST_P (HostToolRenders, AGestureToAStereoWavOfTheAskedFormat)
{
    const ScratchFolder scratch;
    const auto& c = GetParam();
    const auto out = scratch.folder.getChildFile ("sweep.wav");

    const auto run = HostTestSupport::runTool ({ "render", c.bundle.path, "--gesture", "sweep", "--out", out.getFullPathName(),
                                                 "--rate", juce::String (c.rate), "--bits", juce::String (c.bits),
                                                 "--block", "300" });
    ASSERT_EQ (run.exitCode, 0) << run.standardError;

    juce::WavAudioFormat wav;
    std::unique_ptr<juce::AudioFormatReader> reader (wav.createReaderFor (out.createInputStream().release(), true));
    ASSERT_NE (reader, nullptr);
    EXPECT_EQ (reader->numChannels, 2u);
    EXPECT_EQ (reader->sampleRate, c.rate);
    EXPECT_EQ (reader->bitsPerSample, (unsigned int) c.bits);
    EXPECT_EQ (reader->usesFloatingPointData, c.bits == 32);

    const auto expectedLength = std::llround ((Gesture::create ("sweep").getEndTime() + OfflineRenderer::tailSeconds) * c.rate);
    EXPECT_EQ (reader->lengthInSamples, expectedLength);
}

INSTANTIATE_TEST_SUITE_P (Formats, HostToolRenders,
                          testing::Values (WavCase { HostTestSupport::vst3Bundle, 44100.0, 16 },
                                           WavCase { HostTestSupport::vst3Bundle, 48000.0, 24 },
                                           WavCase { HostTestSupport::lv2Bundle, 96000.0, 32 }),
                          [] (const auto& info)
                          { return std::string (info.param.bundle.format) + "_" + std::to_string ((int) info.param.rate) + "_" + std::to_string (info.param.bits); });

// Same format and length give the same file size: the file keeps the gesture's timing to its end.
TEST (HostToolMidi, WritesAGestureFileThatRendersToTheGesturesLength)
{
    const ScratchFolder scratch;
    const auto midi = scratch.folder.getChildFile ("scrape.mid");
    const auto fromFile = scratch.folder.getChildFile ("file.wav");
    const auto fromGesture = scratch.folder.getChildFile ("gesture.wav");

    ASSERT_EQ (HostTestSupport::runTool ({ "midi", "--gesture", "scrape", "--out", midi.getFullPathName() }).exitCode, 0);
    ASSERT_EQ (HostTestSupport::runTool ({ "render", vst3, "--midi", midi.getFullPathName(), "--out", fromFile.getFullPathName() }).exitCode, 0);
    ASSERT_EQ (HostTestSupport::runTool ({ "render", vst3, "--gesture", "scrape", "--out", fromGesture.getFullPathName() }).exitCode, 0);

    EXPECT_EQ (fromFile.getSize(), fromGesture.getSize());
}

class HostToolShot : public testing::TestWithParam<Bundle>
{
};

// The editor draws into an X window of its own; the picture must show it, not an empty frame.
TEST_P (HostToolShot, SavesAPictureOfTheEditor)
{
    const ScratchFolder scratch;
    const auto png = scratch.folder.getChildFile ("editor.png");

    const auto run = HostTestSupport::runToolUnderXvfb ({ "shot", GetParam().path, "--out", png.getFullPathName() });
    ASSERT_EQ (run.exitCode, 0) << run.standardError;

    const auto image = juce::ImageFileFormat::loadFrom (png);
    ASSERT_TRUE (image.isValid());
    EXPECT_GE (image.getWidth(), 100);
    EXPECT_GE (image.getHeight(), 100);

    std::set<juce::uint32> colours;
    for (int y = 0; y < image.getHeight(); y += 3)
        for (int x = 0; x < image.getWidth(); x += 3)
            colours.insert (image.getPixelAt (x, y).getARGB());
    EXPECT_GT (colours.size(), 16u) << "the picture is nearly one flat colour";
}

INSTANTIATE_TEST_SUITE_P (Formats, HostToolShot, testing::Values (HostTestSupport::vst3Bundle, HostTestSupport::lv2Bundle),
                          [] (const auto& info) { return std::string (info.param.format); });
} // namespace
