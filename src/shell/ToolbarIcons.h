#pragma once
// The main window's toolbar artwork: eight 16 x 16 images (1 "Save", 2 the bus
// monitor, 3 "Config" (a chip), 4 "Graph", 5 "Tree", 6 to 8 spare).

#include <QIcon>
#include <vector>

std::vector<QIcon> ToolbarImages();
// A chip drawn at any size, used by the toolbar and the device picker.
QPixmap ChipPicture(int size);
// A clear picture to draw artwork on.
QPixmap TransparentPixmap(int width, int height);
