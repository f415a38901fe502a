#pragma once
// Makes the design windows known to the shell: their page types, and what they
// need done when the main window loads.

void RegisterDesignPages();
