#pragma once

#include <optional>

// "--help" and "--version" are answered on the console, before any window
// and without a display. Returns the exit code when the command line was
// such a question (or a malformed one), nothing when the window should open.
std::optional<int> answerOnConsole(int argc, char** argv);
