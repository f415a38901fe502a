#pragma once
// Every loaded window at once, declared without a widget header: the program
// reset and the shell's about-to-end hook unload them all through it.

namespace forms {

// Unloads every loaded form in load order, each running its own unload handling.
void UnloadAllForms();

}  // namespace forms
