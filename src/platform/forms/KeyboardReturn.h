#pragma once
// Without a window manager nobody hands the keyboard back when the window that
// has it closes (a message box, a file dialog, the device picker): the program
// gives it to the window of its own that had it before and is still shown.

namespace forms {

// Installs the hand-back once for the whole program; later calls change nothing.
void KeepKeyboardInTheProgram();

}  // namespace forms
