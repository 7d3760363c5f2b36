#include "cli/command_line.h"
#include "windows/application.h"

// With arguments of its own the program is a command and needs no display; without, it
// opens its windows. The choice comes before any window code runs.
int main(int argc, char** argv) {
    if (tallyworth::WantsCommandLine(argc, argv)) {
        return tallyworth::RunCommandLine(argc, argv);
    }
    return tallyworth::RunApplication(argc, argv);
}
