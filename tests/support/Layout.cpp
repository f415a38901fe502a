#include "Layout.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace support {
namespace {

// Widest text a list must show, with room for its arrow and frame.
int NeededWidth(const QComboBox* box) {
  QComboBox probe;
  probe.setFont(box->font());
  for (int i = 0; i < box->count(); ++i) probe.addItem(box->itemText(i));
  return probe.sizeHint().width();
}

bool Named(const QWidget* w) {
  return !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_"));
}

struct Finding {
  QString control;
  QString other;  // the sibling it overlaps, if that is what is wrong
  std::string what;
};

std::string Needs(const char* what, int needed, int has) {
  return std::string(what) + " needs " + std::to_string(needed) + " px, has " + std::to_string(has);
}

// What is cut off about one control, if anything.
std::string CutOff(QWidget* w) {
  if (!w->parentWidget()->rect().contains(w->geometry())) return "leaves its parent";
  const QFontMetrics fm(w->font());
  if (auto* label = qobject_cast<QLabel*>(w)) {
    const QRect room = label->contentsRect();
    if (!label->wordWrap()) {
      const int needed = fm.horizontalAdvance(label->text());
      return needed > room.width() ? Needs("caption", needed, room.width()) : std::string();
    }
    const QRect needed = fm.boundingRect(room, Qt::TextWordWrap, label->text());
    if (needed.width() > room.width()) return Needs("wrapped caption", needed.width(), room.width());
    if (needed.height() > room.height()) return Needs("wrapped caption, tall,", needed.height(), room.height());
  } else if (auto* box = qobject_cast<QComboBox*>(w)) {
    // A list may draw its frame over the 4 px its arrow leaves free.
    const int needed = NeededWidth(box);
    if (needed > box->width() + 4) return Needs("widest item with arrow and frame", needed, box->width() + 4);
  } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
    if (check->sizeHint().width() > check->width()) return Needs("caption", check->sizeHint().width(), check->width());
  } else if (auto* button = qobject_cast<QPushButton*>(w)) {
    const int needed = fm.horizontalAdvance(button->text()) + 12;
    if (needed > button->width()) return Needs("caption with its margins", needed, button->width());
  } else if (auto* frame = qobject_cast<QGroupBox*>(w)) {
    const int needed = fm.horizontalAdvance(frame->title()) + 24;
    if (needed > frame->width()) return Needs("title with its margins", needed, frame->width());
  }
  return {};
}

std::vector<Finding> Findings(QWidget* client) {
  std::vector<Finding> found;
  QList<QWidget*> groups{client};
  for (QWidget* w : client->findChildren<QWidget*>()) {
    groups << w;
    if (!Named(w) || !w->isVisibleTo(client)) continue;
    const std::string what = CutOff(w);
    if (!what.empty()) found.push_back({w->objectName(), {}, what});
  }
  // The named controls of one parent never overlap each other, but for a frame
  // drawn as the backdrop of siblings that lie wholly on it (children come in
  // their stacking order, the lowest first).
  for (QWidget* group : groups) {
    QList<QWidget*> kids;
    for (QObject* o : group->children()) {
      auto* kid = qobject_cast<QWidget*>(o);
      if (kid && !kid->objectName().isEmpty() && kid->isVisibleTo(client)) kids << kid;
    }
    for (int i = 0; i < kids.size(); ++i) {
      const bool backdrop = qobject_cast<QGroupBox*>(kids[i]) != nullptr;
      for (int j = i + 1; j < kids.size(); ++j) {
        if (backdrop && kids[i]->geometry().contains(kids[j]->geometry())) continue;
        if (!kids[i]->geometry().intersects(kids[j]->geometry())) continue;
        const QString other = kids[j]->objectName();
        found.push_back({kids[i]->objectName(), other, "overlaps " + other.toStdString()});
      }
    }
  }
  return found;
}

}  // namespace

void ExpectNothingCutOff(QWidget* client, const std::string& where, const std::vector<std::string>& known) {
  ASSERT_NE(client, nullptr) << "no window to check on " << where;
  std::vector<int> seen(known.size(), 0);
  const auto listed = [&](const QString& control) {
    for (size_t k = 0; k < known.size(); ++k) {
      if (control.startsWith(QString::fromStdString(known[k]))) {
        ++seen[k];
        return true;
      }
    }
    return false;
  };
  for (const Finding& f : Findings(client)) {
    if (!listed(f.control) && (f.other.isEmpty() || !listed(f.other)))
      ADD_FAILURE() << f.control.toStdString() << " on " << where << ": " << f.what;
  }
  for (size_t k = 0; k < known.size(); ++k) {
    EXPECT_GT(seen[k], 0) << known[k] << " is no longer cut off on " << where << ": take it off the list";
  }
}

}  // namespace support
