#pragma once

namespace app {

// Does what the program's command line asks: prints the usage or the version, or runs Parlivo
// until it ends. Returns the exit status: 2 for a command line it cannot follow. Only running
// Parlivo opens windows, so the rest works without a display.
int runCommandLine(int &argc, char **argv);

} // namespace app
