#pragma once

#include <iosfwd>

#include "CommandLine.h"

// Carries out a parsed command. Needs the framework's GUI initialised on the calling thread.
// Returns the exit status; failures throw HostError.
namespace HostCommands
{
int run (const HostCommand& command, std::ostream& out, std::ostream& err);
} // namespace HostCommands
