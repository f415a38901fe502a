#include "KeyboardReturn.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <vector>

namespace forms {
namespace {

class KeyboardReturn : public QObject {
 public:
  KeyboardReturn() : QObject(qApp) {
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* window) {
      if (!window) return;
      // Windows that are gone leave empty places; a window comes once, at its latest.
      history_.erase(std::remove_if(history_.begin(), history_.end(),
                                    [window](const QPointer<QWindow>& w) { return !w || w == window; }),
                     history_.end());
      history_.emplace_back(window);
    });
    qApp->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Hide || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    QWindow* window = widget->isWindow() ? widget->windowHandle() : nullptr;
    if (window && window == QGuiApplication::focusWindow()) {
      // Once the window is gone: the server takes the focus away only after the hide.
      const QPointer<QWindow> hidden = window;
      QTimer::singleShot(0, this, [this, hidden] { HandBack(hidden); });
    }
    return false;
  }

 private:
  void HandBack(const QPointer<QWindow>& hidden) {
    QWindow* now = QGuiApplication::focusWindow();
    if (now && now != hidden && now->isVisible()) return;  // another window took it already
    // A box that waits for an answer is the one to have it, also one shown since.
    if (QWidget* modal = QApplication::activeModalWidget()) {
      if (modal->windowHandle() != hidden) modal->activateWindow();
      return;
    }
    for (auto it = history_.rbegin(); it != history_.rend(); ++it) {
      if (*it && *it != hidden && (*it)->isVisible()) {
        (*it)->requestActivate();
        return;
      }
    }
  }

  std::vector<QPointer<QWindow>> history_;  // the latest to have the keyboard last
};

}  // namespace

void KeepKeyboardInTheProgram() {
  static QPointer<KeyboardReturn> installed;
  if (!installed && qApp) installed = new KeyboardReturn;
}

}  // namespace forms
