#pragma once
// The fixed drawing of the OrFET page: the OrFET in the output path with its
// body diode, and the comparator across it that switches its gate.

namespace forms {
class PictureBox;
}

// Draws onto a placed picture box, sized to it.
void DrawOrFETPicture(forms::PictureBox& picture);
