#pragma once

namespace tallyworth {

// True when the program is started with arguments of its own: it then makes worksheets as
// a command, without any window. The toolkit's options (-style Fusion, -reverse, ...) are
// the windows'. True as well when there is no display for the windows: the command line
// then says so. Decided before anything of the windows is made.
[[nodiscard]] bool WantsCommandLine(int argc, char** argv);

// Runs the program as a command and returns its exit status: 0 when done, 1 when the
// worksheets could not be written or printed, the code could not be written to standard
// output or, without arguments, there is no display for the windows, 2 for bad options or
// settings, 128 and the signal's number when SIGINT, SIGTERM or SIGHUP stopped it (what
// it had started is removed). Needs no display: without a platform chosen by the user
// that has its screen, it draws off screen.
[[nodiscard]] int RunCommandLine(int argc, char** argv);

}  // namespace tallyworth
