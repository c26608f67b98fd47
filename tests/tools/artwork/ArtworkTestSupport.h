#pragma once

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

namespace wexla::artwork::test
{

/** Image code needs JUCE's message manager and fonts, but no display. */
class ArtworkTest : public ::testing::Test
{
protected:
    juce::ScopedJuceInitialiser_GUI juceInitialiser;
};

inline juce::File resourcesDirectory()
{
    return juce::File (WEXLA_SOURCE_DIR).getChildFile ("resources");
}

/** A committed picture, decoded; invalid if missing. */
inline juce::Image loadResource (const juce::String& name)
{
    return juce::ImageFileFormat::loadFrom (resourcesDirectory().getChildFile (name + ".png"));
}

} // namespace wexla::artwork::test
