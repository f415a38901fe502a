#pragma once
// The font the windows are laid out for: every control's place and size in
// twips assumes it, so the program and its tests both use it.

namespace forms {

// Makes the design font the application's default font.
void ApplyDesignFont();

}  // namespace forms
