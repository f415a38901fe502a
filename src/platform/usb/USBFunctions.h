#pragma once
// The evaluation board's USB library: firmware download and vendor requests.
// On this platform the library is our own and talks to an emulated board
// (EmulatedBoard.h); with no board attached it behaves as the real library
// does with nothing plugged in.

#include <cstdint>

// Downloads the firmware file named by the NUL-terminated path.
// Negative: no board, or the download failed. Zero or positive: the firmware runs.
int16_t LoadFirmWare(const char* path);

// One vendor request. Status 0 is success. For a read (direction 1) the board
// places `length` bytes into `buffer`.
int16_t VendorIORequest(int16_t request, int32_t value, int32_t index, int16_t direction, int16_t length,
                        uint8_t* buffer);
