#pragma once
// The life of a window: created on first use, Load builds its widget and runs
// Form_Load, Show shows it, Unload runs Form_Unload and destroys the widget with
// every control. The object, and the members it keeps, outlive an unload; the
// controls come back in their designed state at the next load.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <vector>

#include "FormRegistry.h"

class QAbstractButton;
class QMdiArea;

namespace forms {

enum class WindowKind {
  Child,      // a child window of the main window's document area
  TopLevel,   // a free window (splash, device picker)
  MdiParent,  // the main window itself
};

// Standard pointer shapes by their classic numbers.
enum MousePointerShape { vbDefault = 0, vbArrow = 1, vbSizeNS = 7, vbSizeWE = 9, vbSizeAll = 15 };

class Form {
 public:
  explicit Form(WindowKind kind = WindowKind::Child);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  void Load();    // a loaded form stays as it is
  void Show();    // loads first when needed; brings the window to the front and activates it
  void Hide();
  // An unloaded form stays as it is. An active child window hands the activation
  // back to the child window that was active before it.
  void Unload();
  bool IsLoaded() const { return window_ != nullptr; }
  bool IsVisible() const;

  // Setting a property of an unloaded form loads it first.
  QString Caption() const;
  void SetCaption(const QString& caption);
  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  void SetLeft(int twips);
  void SetTop(int twips);
  void SetWidth(int twips);
  void SetHeight(int twips);
  void SetSize(int width, int height);
  void ZOrder();  // to the front
  int MousePointer() const { return mousePointer_; }
  void SetMousePointer(int shape);

  // Escape anywhere in the window presses this button, the window's Close or
  // Cancel; set in Form_Load, it goes with the window at unload.
  void SetCancelButton(QAbstractButton* button);

  QWidget* Client() const { return client_; }  // controls live here
  QWidget* Window() const { return window_; }  // the outer window
  WindowKind Kind() const { return kind_; }

  // Called by the outer window when the user closes it.
  void CloseRequested() { Unload(); }

 protected:
  virtual void Form_Load() {}
  virtual void Form_Unload() {}

 private:
  WindowKind kind_;
  QPointer<QWidget> window_;
  QPointer<QWidget> client_;
  int mousePointer_ = vbDefault;
  bool unloading_ = false;
};

// The main window's document area, where child forms open; it gets the child
// windows' keys: Ctrl+Tab and Ctrl+Shift+Tab step through them in creation
// order, the Window menu's, and Ctrl+F4 closes the active one.
void SetMdiArea(QMdiArea* area);
QMdiArea* MdiArea();

// Loaded forms in the order they were loaded.
std::vector<Form*> LoadedForms();

// Standard pointer shape to a Qt cursor.
void ApplyMousePointer(QWidget* widget, int shape);

}  // namespace forms
