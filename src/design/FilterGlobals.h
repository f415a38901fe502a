#pragma once
// What the loop-filter designers of both chips share.

// The switching frequency in Hz every filter window decodes and encodes with:
// whichever window last chose or read a frequency sets it for both. 0 until one has.
extern float gSwitchingFrequency;

// Back to the program-start value.
void ResetFilterGlobals();
