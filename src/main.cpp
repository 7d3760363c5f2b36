#include "cli/command_line.h"
#include "windows/application.h"

// With arguments the program is a command and needs no display; without, it opens its
// windows. The choice comes before any window code runs.
int main(int argc, char** argv) {
    if (tallyworth::WantsCommandLine(argc)) {
        return tallyworth::RunCommandLine(argc, argv);
    }
    return tallyworth::RunApplication(argc, argv);
}
