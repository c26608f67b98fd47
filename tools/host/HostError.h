#pragma once

#include <stdexcept>

#include <juce_core/juce_core.h>

// A failure the host tool reports to the user as one line, with a non-zero exit status.
class HostError : public std::runtime_error
{
public:
    explicit HostError (const juce::String& message)
        : std::runtime_error (message.toStdString())
    {
    }
};

// A command line the tool cannot make sense of; reported like HostError, with the usage hint.
class UsageError : public HostError
{
public:
    using HostError::HostError;
};
