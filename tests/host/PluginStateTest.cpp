// Saved state across the plug-in boundary: what one instance saves, a fresh one restores.
#include <cstring>

#include <gtest/gtest.h>

#include "HostTestSupport.h"
#include "OfflineRenderer.h"
#include "ParameterAccess.h"
#include "PluginState.h"

using HostTestSupport::Bundle;

namespace
{
// Away from every default, so a restore that drops a value shows.
const std::pair<const char*, float> savedValues[] {
    { "Compression", 0.8f },
    { "Room Level", 0.125f },
    { "Output Level", 0.65f },
    { "Hold Note", 1.0f },
};

void setSavedValues (juce::AudioPluginInstance& instance)
{
    for (const auto& [name, value] : savedValues)
        ParameterAccess::setPlainValue (ParameterAccess::require (instance, name), juce::String (value));

    OfflineRenderer::passOnParameterChanges (instance, 44100.0, 512);
}

float readFloat (const juce::MemoryBlock& block, size_t offset)
{
    float value = 0.0f;
    std::memcpy (&value, static_cast<const char*> (block.getData()) + offset, sizeof (value));
    return value;
}

class PluginStateRoundTrip : public testing::TestWithParam<Bundle>
{
};

TEST_P (PluginStateRoundTrip, AFreshInstanceRestoresEveryValue)
{
    juce::MemoryBlock state;
    {
        auto original = HostTestSupport::load (GetParam());
        setSavedValues (*original.instance);
        state = PluginState::save (*original.instance);
    }

    auto restored = HostTestSupport::load (GetParam());
    PluginState::restore (*restored.instance, state);
    OfflineRenderer::passOnParameterChanges (*restored.instance, 44100.0, 512);

    for (const auto& [name, value] : savedValues)
    {
        auto* parameter = ParameterAccess::find (*restored.instance, name);
        ASSERT_NE (parameter, nullptr) << name;
        EXPECT_NEAR (ParameterAccess::currentPlainValue (*parameter), value, 1.0e-6f) << name;
    }
}

TEST_P (PluginStateRoundTrip, RestoresThroughAStateFile)
{
    const juce::TemporaryFile file (".state");
    {
        auto original = HostTestSupport::load (GetParam());
        setSavedValues (*original.instance);
        PluginState::writeFile (PluginState::save (*original.instance), file.getFile());
    }

    auto restored = HostTestSupport::load (GetParam());
    PluginState::restore (*restored.instance, PluginState::readFile (file.getFile()));
    OfflineRenderer::passOnParameterChanges (*restored.instance, 44100.0, 512);

    EXPECT_NEAR (ParameterAccess::currentPlainValue (ParameterAccess::require (*restored.instance, "Output Level")), 0.65f, 1.0e-6f);
}

INSTANTIATE_TEST_SUITE_P (Formats, PluginStateRoundTrip, testing::Values (HostTestSupport::vst3Bundle, HostTestSupport::lv2Bundle),
                          [] (const auto& info) { return std::string (info.param.format); });

// The plug-in's own part of the VST3 state is its 52-byte blob; the wrapper appends a trailer.
TEST (Vst3State, BeginsWithTheWexlaBlobHoldingTheValues)
{
    auto plugin = HostTestSupport::load (HostTestSupport::vst3Bundle);
    setSavedValues (*plugin.instance);

    const auto component = PluginState::vst3ComponentState (PluginState::save (*plugin.instance));
    ASSERT_TRUE (component.has_value());
    ASSERT_GE (component->getSize(), 52u);

    const auto* bytes = static_cast<const unsigned char*> (component->getData());
    EXPECT_EQ (std::memcmp (bytes, "WEXLA", 5), 0);
    EXPECT_EQ (bytes[5], 0);
    for (size_t i = 6; i < 31; ++i)
        EXPECT_EQ (bytes[i], ' ') << "header byte " << i;
    EXPECT_EQ (bytes[31], 0);

    const unsigned char version[] { 0x01, 0x00, 0x01, 0x00 };
    EXPECT_EQ (std::memcmp (bytes + 32, version, 4), 0);

    for (size_t i = 0; i < std::size (savedValues); ++i)
        EXPECT_FLOAT_EQ (readFloat (*component, 36 + 4 * i), savedValues[i].second) << savedValues[i].first;
}

TEST (StateFiles, MissingOrEmptyFilesAreErrors)
{
    const juce::TemporaryFile empty (".state");
    ASSERT_TRUE (empty.getFile().create());

    EXPECT_THROW (PluginState::readFile (empty.getFile()), std::runtime_error);
    EXPECT_THROW (PluginState::readFile (empty.getFile().getSiblingFile ("no-such-state")), std::runtime_error);
}
} // namespace
