#pragma once
// The one reset of the program's globals. Each module that keeps globals
// registers its reset beside them, so whoever resets the program (a test
// fixture, the end of main) needs no list of the modules it has.

namespace globals {

// Resets run stage by stage: windows unload while the state their unload
// handling reads is still in place, and the seams go last, so a message box
// asked for on the way is still answered by whoever answered the ones before.
enum class ResetStage { UnloadWindows, Windows, State, Seams };

// Adds a module's reset. Returns true, so that a module can register from the
// initialiser of a variable beside its globals.
bool RegisterReset(ResetStage stage, void (*reset)());

// Every registered global back to its program-start value.
void ResetProgramGlobals();

}  // namespace globals
