#pragma once
// Printing the loop-filter designer: a picture of the window, taken by way of
// the clipboard, on one landscape page of the system's default printer.

#include <cstdint>

// Prints the filter window of a device (0 or 1) as a job named after its
// caption; any failure on the way is reported to the user as "Printer Error".
void PrintFilterWindowCapture(int16_t& DevIndex);

// The printed size of a window W x H twips where P twips of width are printable:
// P when the window is wider, at the window's proportions; else the window's own size.
struct PrintedSize {
  int32_t width;
  int32_t height;
};
PrintedSize PrintedWindowSize(float pageWidth, float windowWidth, float windowHeight);
