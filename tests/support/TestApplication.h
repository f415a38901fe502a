#pragma once
// What every test binary's main does once its platform is chosen.

namespace support {

// Creates the QApplication with a fixed font and locale, so widgets have real
// metrics and texts are stable, installs the window system's seams, and runs
// every test; returns what the tests return.
int RunTests(int& argc, char** argv);

}  // namespace support
