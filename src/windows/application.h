#pragma once

namespace tallyworth {

// Starts the program at its main window and runs until the main window closes.
int RunApplication(int argc, char** argv);

}  // namespace tallyworth
