#pragma once
// The mouse events a picture box and its hot labels hand to their windows, with
// buttons, shift keys and positions as the window handlers expect them: X and Y
// in twips from the receiver's own top left corner.

#include <functional>

namespace forms {

// Button bits: one button for a press or release, every held button for a move.
enum MouseButtonBits { vbLeftButton = 1, vbRightButton = 2, vbMiddleButton = 4 };
// Shift key bits.
enum ShiftBits { vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4 };

using MouseHandler = std::function<void(int button, int shift, float x, float y)>;

struct MouseHandlers {
  MouseHandler onMouseDown;
  MouseHandler onMouseUp;
  MouseHandler onMouseMove;
  std::function<void()> onClick;     // left button pressed and released over the receiver
  std::function<void()> onDblClick;  // second press of a left double click, in place of its MouseDown

  bool HasMouseHandler() const { return onMouseDown || onMouseUp || onMouseMove || onClick || onDblClick; }
};

}  // namespace forms
