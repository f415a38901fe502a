#pragma once
// Pictures of windows for people to look at: written as PNG files into the
// folder named by the environment variable SNAPSHOT_DIR, when it is set.

#include <QString>
#include <string>
#include <vector>

class QWidget;

namespace forms {
class Form;
}

namespace support {

// Renders the window (with its frame, for a child window) to <SNAPSHOT_DIR>/<name>.png.
// Returns the file written, or an empty text when SNAPSHOT_DIR is not set.
QString SaveSnapshot(QWidget* window, const QString& name);

// What every screenshot test does with a window it shows: checks that nothing
// on it is cut off (but the faults it is known to have, as ExpectNothingCutOff
// takes them), then writes its picture, failing when SNAPSHOT_DIR is set and
// no file could be written.
void Snap(const forms::Form& form, const QString& name, const std::vector<std::string>& known = {});

}  // namespace support
