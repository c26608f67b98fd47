#include <gtest/gtest.h>

#include <juce_events/juce_events.h>

// Hosting plug-ins needs the framework's message thread: this one, for the whole run.
int main (int argc, char** argv)
{
    testing::InitGoogleTest (&argc, argv);
    juce::ScopedJuceInitialiser_GUI gui;
    return RUN_ALL_TESTS();
}
