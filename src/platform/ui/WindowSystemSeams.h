#pragma once
// The seams' real message box and file dialogs, which need Qt Widgets.

namespace ui {

// Makes MsgBox and ChooseFile show the window system's own box and dialogs.
// Called once by every program that has a QApplication, before the first box.
void InstallWindowSystemSeams();

}  // namespace ui
