#pragma once
// Pictures of windows for people to look at: written as PNG files into the
// folder named by the environment variable SNAPSHOT_DIR, when it is set.

#include <QString>

class QWidget;

namespace support {

// Renders the window (with its frame, for a child window) to <SNAPSHOT_DIR>/<name>.png.
// Returns the file written, or an empty text when SNAPSHOT_DIR is not set.
QString SaveSnapshot(QWidget* window, const QString& name);

}  // namespace support
