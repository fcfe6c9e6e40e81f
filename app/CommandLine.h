#pragma once
// The command line, answered before the game makes its application: --help
// and --version need no display, open no window and touch no file.

#include <optional>

namespace commandline {

// Nothing when the game is to start (no option, or only the toolkit's own,
// such as -platform); otherwise the exit status, once the answer is printed:
// 0 for --help and --version, 2 for anything the game does not take.
std::optional<int> answer(int argc, char *argv[]);

} // namespace commandline
