#pragma once

namespace tallyworth {

// True when the program is started with arguments: it then makes worksheets as a command,
// without any window. Decided before anything of the windows is made.
[[nodiscard]] bool WantsCommandLine(int argc);

// Runs the program as a command and returns its exit status: 0 when done, 1 when the
// worksheets could not be written or printed, 2 for bad options or settings. Needs no
// display: without a platform chosen by the user, it draws off screen.
[[nodiscard]] int RunCommandLine(int argc, char** argv);

}  // namespace tallyworth
