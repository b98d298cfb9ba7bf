#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// "--help" and "--version" are answered on the console, before any window
// and without a display. Returns the exit code when the command line was
// such a question (or a malformed one), nothing when the window should open.
std::optional<int> answerOnConsole(int argc, char** argv);

// The design to open at start: the first argument after the program's name
// that is no option; empty when there is none.
QString designFileArgument(const QStringList& arguments);
