#pragma once
// The loaded windows as one collection, for code that must not depend on widgets.

namespace forms {

// Unloads every loaded form in load order, each running its own unload handling.
void UnloadAllForms();

}  // namespace forms
