#include "PWMGlobals.h"

int16_t gTopologyIndex = -1;

void ResetPWMGlobals() { gTopologyIndex = -1; }
