#include "Controls.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QSignalBlocker>

namespace forms {

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {
  setEditable(false);
  setMaxVisibleItems(16);
  connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index >= 0 && onClick) onClick();
  });
}

void ComboBox::showPopup() {
  // Here, not at construction: the list's popup is made only when first shown.
  view()->installEventFilter(this);
  QComboBox::showPopup();
}

bool ComboBox::eventFilter(QObject* watched, QEvent* event) {
  // Escape on the open list closes the list; claimed here, or the window's own
  // Escape (its Close or Cancel) would take it first and close the window.
  if (watched == view() && event->type() == QEvent::ShortcutOverride &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    event->accept();
    return true;
  }
  return QComboBox::eventFilter(watched, event);
}

void ComboBox::AddItem(const QString& text) {
  const QSignalBlocker blocker(this);
  const int chosen = currentIndex();
  addItem(text);
  // Qt chooses the first item added to an empty list; a list here starts with no choice.
  if (chosen < 0) setCurrentIndex(-1);
}

void ComboBox::Clear() {
  const QSignalBlocker blocker(this);
  clear();
}

void ComboBox::SetListIndex(int index) {
  if (index < -1 || index >= count()) return;
  setCurrentIndex(index);
}

QString ComboBox::Text() const { return currentIndex() < 0 ? QString() : currentText(); }

void ComboBox::SetText(const QString& text) {
  const int index = FindExact(text);
  if (index >= 0) setCurrentIndex(index);
}

int ComboBox::FindExact(const QString& text) const {
  for (int i = 0; i < count(); ++i) {
    if (itemText(i) == text) return i;
  }
  return -1;
}

CheckBox::CheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {
  connect(this, &QCheckBox::toggled, this, [this](bool) {
    if (onClick) onClick();
  });
}

OptionButton::OptionButton(const QString& caption, QWidget* parent) : QRadioButton(caption, parent) {
  connect(this, &QRadioButton::toggled, this, [this](bool on) {
    if (on && onClick) onClick();
  });
}

void OptionButton::SetValue(bool value) {
  if (!value && isChecked()) {
    // Qt refuses to clear the chosen button of an exclusive group.
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(true);
    return;
  }
  setChecked(value);
}

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
  connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
    // The folded text comes back through this handler; the broken one is never reported.
    if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'))) {
      FoldLineBreaks();
      return;
    }
    if (onChange) onChange();
  });
}

void TextBox::FoldLineBreaks() {
  const int cursor = cursorPosition();
  const int before = static_cast<int>(text().size());
  QString folded = text();
  folded.replace(QLatin1String("\r\n"), QLatin1String(" "));
  folded.replace(QLatin1Char('\r'), QLatin1Char(' '));
  folded.replace(QLatin1Char('\n'), QLatin1Char(' '));
  setText(folded);
  setCursorPosition(cursor - (before - static_cast<int>(folded.size())));
}

CommandButton::CommandButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
  setAutoDefault(false);
  connect(this, &QPushButton::clicked, this, [this] {
    if (onClick) onClick();
  });
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    click();
    return;
  }
  QPushButton::keyPressEvent(event);
}

Label::Label(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
  setWordWrap(true);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Label::SetForeColor(const QColor& color) {
  QPalette p = palette();
  p.setColor(QPalette::WindowText, color);
  setPalette(p);
}

void Label::SetBackColor(const QColor& color) {
  QPalette p = palette();
  p.setColor(QPalette::Window, color);
  setPalette(p);
  setAutoFillBackground(true);
}

Frame::Frame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

QString Indexed(const char* name, int index) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index); }

void SetPointSize(QWidget* widget, double points, bool bold) {
  QFont font = widget->font();
  font.setPointSizeF(points);
  font.setBold(bold);
  widget->setFont(font);
}

}  // namespace forms
