#pragma once
// The program's start-up: splash, discovery, the simulation question, the device picker.

// The shell's part of a fatal end: once its message is read, every window
// unloads before the program ends. Main installs it first thing.
void InstallAboutToEnd();

void Main();
