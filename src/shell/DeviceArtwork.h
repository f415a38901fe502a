#pragma once
// The drawing under the block diagram's hot areas: the chip with its function
// blocks, and the power stage around it that the blocks sense and drive.

namespace forms {
class PictureBox;
}

// Adds the artwork to an empty picture; the window's own controls go on top of it.
void DrawDeviceArtwork(forms::PictureBox& picture);
