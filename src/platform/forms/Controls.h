#pragma once
// The standard controls with the behaviour the program's windows rely on:
// drop-down lists that start empty and run their handler only when the choice
// changes, check boxes holding 0 or 1, option buttons, text boxes, buttons,
// labels and frames. Handlers run for changes made from code as for the user's.

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

namespace forms {

// A drop-down list whose text can only be one of its items.
class ComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit ComboBox(QWidget* parent = nullptr);

  std::function<void()> onClick;  // runs once for each change of the choice

  void AddItem(const QString& text);  // never runs the handler, never makes a choice
  void Clear();                       // removes every item; runs no handler
  int ListCount() const { return count(); }
  QString List(int index) const { return itemText(index); }
  int ListIndex() const { return currentIndex(); }
  void SetListIndex(int index);  // -1 removes the choice
  QString Text() const;          // the chosen item, or "" with no choice
  void SetText(const QString& text);         // chooses the first equal item; a text that is no item changes nothing
  int FindExact(const QString& text) const;  // first equal item from the top, -1 when none

  void showPopup() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// A check box whose value is 0 (clear) or 1 (ticked).
class CheckBox : public QCheckBox {
  Q_OBJECT
 public:
  explicit CheckBox(const QString& caption, QWidget* parent = nullptr);
  std::function<void()> onClick;  // runs whenever the value changes
  int Value() const { return isChecked() ? 1 : 0; }
  void SetValue(int value) { setChecked(value != 0); }
};

// One of a group of option buttons on the same parent; choosing one clears the others.
class OptionButton : public QRadioButton {
  Q_OBJECT
 public:
  explicit OptionButton(const QString& caption, QWidget* parent = nullptr);
  std::function<void()> onClick;  // runs when the button becomes chosen
  bool Value() const { return isChecked(); }
  void SetValue(bool value);  // false clears it, leaving the group with no choice
};

// A one-line text box.
// A single-line text box. A pasted line break becomes a blank, so the box never
// holds more than one line whatever reaches it.
class TextBox : public QLineEdit {
  Q_OBJECT
 public:
  explicit TextBox(QWidget* parent = nullptr);
  std::function<void()> onChange;  // runs whenever the text changes
  QString Text() const { return text(); }
  void SetText(const QString& value) { setText(value); }

 private:
  void FoldLineBreaks();
};

// Enter or Return presses a focused button, as Space does; no button is a default.
class CommandButton : public QPushButton {
  Q_OBJECT
 public:
  explicit CommandButton(const QString& caption, QWidget* parent = nullptr);
  std::function<void()> onClick;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

// A label; its text wraps inside its box.
class Label : public QLabel {
  Q_OBJECT
 public:
  explicit Label(QWidget* parent = nullptr) : Label(QString(), parent) {}
  explicit Label(const QString& caption, QWidget* parent = nullptr);
  QString Caption() const { return text(); }
  void SetCaption(const QString& caption) { setText(caption); }
  void SetForeColor(const QColor& color);
  void SetBackColor(const QColor& color);  // also makes the label opaque
};

class Frame : public QGroupBox {
  Q_OBJECT
 public:
  explicit Frame(QWidget* parent = nullptr) : Frame(QString(), parent) {}
  explicit Frame(const QString& caption, QWidget* parent = nullptr);
};

// Makes a control, names it, and places it at a twip rectangle on its parent.
template <typename T, typename... Args>
T* Make(QWidget* parent, const QString& name, int left, int top, int width, int height, Args&&... args);

void SetPointSize(QWidget* widget, double points, bool bold = false);

// The name of a member of a control array: "lblStatus" and 3 give "lblStatus(3)".
QString Indexed(const char* name, int index);

}  // namespace forms

#include "Twips.h"

template <typename T, typename... Args>
T* forms::Make(QWidget* parent, const QString& name, int left, int top, int width, int height, Args&&... args) {
  T* control = new T(std::forward<Args>(args)..., parent);
  control->setObjectName(name);
  Place(control, left, top, width, height);
  control->show();
  return control;
}
