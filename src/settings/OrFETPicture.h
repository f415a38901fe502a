#pragma once
// The fixed drawing of the OrFET page: the OrFET in the output path with its
// body diode, and the comparator across it that switches its gate.

namespace forms {
class PictureBox;
}

// Draws onto the page's placed picture box (2100 x 3900 twips), in twips of its drawing.
void DrawOrFETPicture(forms::PictureBox& picture);
