#pragma once
// The keys of the main window's child windows that the window system does not
// give alike on every platform: Ctrl+F4 closes the active child window, and
// Ctrl+Tab and Ctrl+Shift+Tab step through them in the Window menu's order.

class QMdiArea;
class QMdiSubWindow;

namespace forms {

// Gives a document area its Ctrl+Tab and Ctrl+Shift+Tab; a second call changes nothing.
void InstallChildWindowKeys(QMdiArea* area);

// Makes Ctrl+F4 close a child window, as its close box does, on every platform.
void AddCloseKey(QMdiSubWindow* window);

// The visible child window that was active before `closing`, or nullptr.
QMdiSubWindow* PreviouslyActive(QMdiArea* area, const QMdiSubWindow* closing);

}  // namespace forms
