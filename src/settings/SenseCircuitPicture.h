#pragma once
// The drawing behind the voltage-sense trims and readings: the chip with its
// sense pins, each wired from the controls that trim and show it.

#include <QRect>
#include <QString>
#include <vector>

namespace forms {
class PictureBox;
}

struct SensePin {
  QString name;
  int centre;    // height of the pin on the chip's left edge, twips of the picture's outer box
  int wireFrom;  // where its wire starts, further left
};

// Draws the chip (its outline in twips of the picture's outer box, like the
// controls placed on it) and its pins onto a placed picture box.
void DrawSenseCircuit(forms::PictureBox& picture, const QString& chipName, const QRect& chipTwips,
                      const std::vector<SensePin>& pins);
