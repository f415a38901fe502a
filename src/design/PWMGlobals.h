#pragma once
// What the PWM editor shares between its two windows and the rest of the program.

#include <cstdint>

// The converter topology last programmed on a PWM page, one value for both
// chips; -1 for none. A PWM window shows it again when it loads.
extern int16_t gTopologyIndex;

// Back to the program-start value.
void ResetPWMGlobals();
