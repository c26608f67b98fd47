// What the plug-in shows a host across the VST3 and LV2 boundaries: identity, buses, parameters.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "HostTestSupport.h"
#include "ParameterAccess.h"
#include "PluginReport.h"

using HostTestSupport::Bundle;

namespace
{
struct ExpectedParameter
{
    const char* name;
    float defaultValue;
};

// In the order the plug-in lists them.
const ExpectedParameter expectedParameters[] {
    { "Compression", 0.25f },
    { "Room Level", 0.5f },
    { "Output Level", 0.5f },
    { "Hold Note", 0.0f },
};

class PluginBoundary : public testing::TestWithParam<Bundle>
{
protected:
    void SetUp() override { plugin = HostTestSupport::load (GetParam()); }

    LoadedPlugin plugin;
};

TEST_P (PluginBoundary, IdentifiesAsTheWexlaInstrument)
{
    const auto& d = plugin.description;
    EXPECT_EQ (d.name, "Wexla");
    EXPECT_EQ (d.manufacturerName, "Wexla");
    EXPECT_EQ (d.version, WEXLA_EXPECTED_VERSION);
    EXPECT_EQ (d.pluginFormatName, GetParam().format);
    EXPECT_TRUE (d.isInstrument);

    auto& instance = *plugin.instance;
    EXPECT_TRUE (instance.acceptsMidi());
    EXPECT_FALSE (instance.producesMidi());
    EXPECT_TRUE (instance.hasEditor());
    EXPECT_EQ (instance.getLatencySamples(), 0);
    EXPECT_EQ (instance.getTotalNumInputChannels(), 0);
    EXPECT_EQ (instance.getTotalNumOutputChannels(), 2);
}

TEST_P (PluginBoundary, AcceptsOnlyAStereoOutput)
{
    const auto layouts = PluginReport::checkOutputLayouts (*plugin.instance);

    std::map<juce::String, bool> supported;
    for (const auto& layout : layouts)
        supported[layout.name] = layout.supported;

    EXPECT_THAT (supported, testing::ElementsAre (testing::Pair ("5.1", false),
                                                  testing::Pair ("mono", false),
                                                  testing::Pair ("no output", false),
                                                  testing::Pair ("stereo", true)));
}

TEST_P (PluginBoundary, ListsItsFourParametersWithTheirDefaults)
{
    auto& instance = *plugin.instance;
    const auto parameters = HostTestSupport::ownParameters (instance);

    juce::StringArray shown;
    for (auto* parameter : parameters)
        shown.add ("\"" + ParameterAccess::nameOf (*parameter) + "\" (ID " + ParameterAccess::idOf (*parameter) + ")");
    ASSERT_EQ (parameters.size(), (int) std::size (expectedParameters)) << "the host sees " << shown.joinIntoString (", ");

    juce::StringArray ids;
    for (int i = 0; i < parameters.size(); ++i)
    {
        SCOPED_TRACE (expectedParameters[i].name);
        const auto& parameter = *parameters[i];
        EXPECT_EQ (ParameterAccess::nameOf (parameter), expectedParameters[i].name);
        EXPECT_FLOAT_EQ (ParameterAccess::defaultPlainValue (parameter), expectedParameters[i].defaultValue);
        EXPECT_FLOAT_EQ (ParameterAccess::currentPlainValue (parameter), expectedParameters[i].defaultValue);
        EXPECT_FLOAT_EQ (ParameterAccess::plainValue (parameter, 0.0f), 0.0f);
        EXPECT_FLOAT_EQ (ParameterAccess::plainValue (parameter, 1.0f), 1.0f);
        ids.add (ParameterAccess::idOf (parameter));
    }

    // Hosts file automation and saved values under these IDs: each must be a parameter's own.
    auto distinct = ids;
    distinct.removeDuplicates (false);
    EXPECT_EQ (distinct.size(), ids.size()) << "parameter IDs: " << ids.joinIntoString (", ");
}

INSTANTIATE_TEST_SUITE_P (Formats, PluginBoundary, testing::Values (HostTestSupport::vst3Bundle, HostTestSupport::lv2Bundle),
                          [] (const auto& info) { return std::string (info.param.format); });

TEST (Vst3Boundary, ShowsTheCategoryInstrumentSynth)
{
    EXPECT_EQ (HostTestSupport::load (HostTestSupport::vst3Bundle).description.category, "Instrument|Synth");
}

// The VST3 IDs are the wrapper's hashes of the plug-in's IDs "0" to "3". Saved projects refer to
// them, so they must never change; the wrapper's bypass follows the plug-in's own parameters.
TEST (Vst3Boundary, KeepsTheParameterIdsHostsStoreAndEndsWithBypass)
{
    const auto plugin = HostTestSupport::load (HostTestSupport::vst3Bundle);
    const auto parameters = plugin.instance->getParameters();
    ASSERT_GE (parameters.size(), 5);

    const std::pair<const char*, const char*> expected[] {
        { "Compression", "48" }, { "Room Level", "49" }, { "Output Level", "50" }, { "Hold Note", "51" }
    };
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_EQ (ParameterAccess::nameOf (*parameters[i]), expected[i].first);
        EXPECT_EQ (ParameterAccess::idOf (*parameters[i]), expected[i].second);
        EXPECT_EQ (ParameterAccess::find (*plugin.instance, juce::String (i)), parameters[i]) << "plug-in ID " << i;
    }

    EXPECT_EQ (parameters[4], plugin.instance->getBypassParameter());
    EXPECT_EQ (ParameterAccess::nameOf (*parameters[4]), "Bypass");

    for (int i = 5; i < parameters.size(); ++i)
        ASSERT_TRUE (ParameterAccess::isMidiControllerProxy (*parameters[i])) << ParameterAccess::nameOf (*parameters[i]);
}
} // namespace
