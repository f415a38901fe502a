#pragma once
// The layout check every window passes where its picture is taken: nothing on
// the window is cut off.

#include <string>
#include <vector>

class QWidget;

namespace support {

// Every named control shown on the window lies inside its parent, shows its
// whole text with the room its style draws around it, and overlaps no named
// sibling. `where` names the window in failures. `known` lists the faults the
// window is known to have, as the names of the controls (or the start of
// them, "cmdRisingLeft(" for the whole array) that show them: what is found on
// those is expected, and each must still be found, so a mended fault leaves the list.
void ExpectNothingCutOff(QWidget* client, const std::string& where, const std::vector<std::string>& known = {});

}  // namespace support
