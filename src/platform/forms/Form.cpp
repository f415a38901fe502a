#include "Form.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QMdiArea>
#include <QShortcut>
#include <QStyle>
#include <algorithm>

#include "ChildWindowKeys.h"
#include "FormWindows.h"
#include "KeyboardReturn.h"
#include "Twips.h"
#include "platform/globals/ProgramGlobals.h"

namespace forms {
namespace {

QPointer<QMdiArea> gMdiArea;

// Never destroyed: a form that lives in a static of some other file may be
// destroyed after this file's statics, and its destructor still looks here.
std::vector<Form*>& Loaded() {
  static auto* loaded = new std::vector<Form*>;
  return *loaded;
}

QIcon ChildWindowIcon(const QWidget* window) {
  static const QIcon icon = window->style()->standardIcon(QStyle::SP_TitleBarMenuButton, nullptr, window);
  return icon;
}

void Forget(Form* form) {
  std::vector<Form*>& loaded = Loaded();
  loaded.erase(std::remove(loaded.begin(), loaded.end(), form), loaded.end());
}

// Every window unloads first, each running its own unload handling.
[[maybe_unused]] const bool kResetRegistered =
    globals::RegisterReset(globals::ResetStage::UnloadWindows, &UnloadAllForms);

}  // namespace

void Place(QWidget* widget, int left, int top, int width, int height) {
  widget->setGeometry(ToPixels(left, top, width, height));
}

void PlaceAt(QWidget* widget, int left, int top) { widget->move(ToPixels(left), ToPixels(top)); }

FormSubWindow::FormSubWindow(Form* form) : FormWindow<QMdiSubWindow>(form) {
  // The form decides when its window dies; a plain close must not delete it behind the form's back.
  setAttribute(Qt::WA_DeleteOnClose, false);
  AddCloseKey(this);
}

Form::Form(WindowKind kind) : kind_(kind) {}

Form::~Form() {
  Forget(this);
  // Widgets cannot outlive the application object; a form destroyed after it has none left to delete.
  if (QCoreApplication::instance()) delete window_.data();
}

void Form::Load() {
  if (window_) return;
  switch (kind_) {
    case WindowKind::Child: {
      auto* sub = new FormSubWindow(this);
      // Designed windows have a fixed size, so there is nothing to maximise.
      sub->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
      // One icon for every child window: a title bar left to find its own makes
      // a new icon each time, and the pictures cached for it pile up.
      sub->setWindowIcon(ChildWindowIcon(sub));
      auto* client = new QWidget;
      sub->setWidget(client);
      if (gMdiArea) gMdiArea->addSubWindow(sub);
      window_ = sub;
      client_ = client;
      break;
    }
    case WindowKind::TopLevel: {
      auto* top = new FormTopWindow(this);
      window_ = top;
      client_ = top;
      break;
    }
    case WindowKind::MdiParent: {
      auto* main = new FormMainWindow(this);
      window_ = main;
      client_ = main;
      break;
    }
  }
  Loaded().push_back(this);
  Form_Load();
}

void Form::Show() {
  Load();
  if (!window_) return;  // Form_Load may unload its own form
  // A window the user minimised comes back as it was when it is asked for again.
  if (window_->isMinimized()) {
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
  }
  window_->show();
  ZOrder();
  // Without a window manager nobody else gives a free window the keyboard, and
  // with one a new window may be kept from taking it: the first key must reach it.
  if (kind_ != WindowKind::Child) {
    window_->activateWindow();
    KeepKeyboardInTheProgram();
  }
}

void Form::SetCancelButton(QAbstractButton* button) {
  if (!window_ || !button) return;
  // On the outer window, so Escape works wherever the focus is inside it, on any tab.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window_, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
  QObject::connect(escape, &QShortcut::activated, button, &QAbstractButton::click);
}

void Form::Hide() {
  if (window_) window_->hide();
}

void Form::Unload() {
  if (!window_ || unloading_) return;
  unloading_ = true;
  Form_Unload();
  QWidget* window = window_;
  window_ = nullptr;
  client_ = nullptr;
  Forget(this);
  auto* sub = qobject_cast<QMdiSubWindow*>(window);
  QMdiArea* area = sub ? sub->mdiArea() : nullptr;
  // The area would activate the window created next; the user goes back to where they came from.
  QPointer<QMdiSubWindow> previous = area && area->activeSubWindow() == sub ? PreviouslyActive(area, sub) : nullptr;
  if (area) area->removeSubWindow(sub);
  window->hide();
  if (area && previous) area->setActiveSubWindow(previous);
  // Unload often runs inside a handler of one of the window's own controls; the
  // widgets go when that handler has returned.
  window->deleteLater();
  unloading_ = false;
}

bool Form::IsVisible() const { return window_ && window_->isVisible(); }

QString Form::Caption() const { return window_ ? window_->windowTitle() : QString(); }

void Form::SetCaption(const QString& caption) {
  Load();
  if (window_) window_->setWindowTitle(caption);
}

int Form::Left() const { return window_ ? ToTwips(window_->x()) : 0; }
int Form::Top() const { return window_ ? ToTwips(window_->y()) : 0; }
int Form::Width() const { return window_ ? ToTwips(window_->width()) : 0; }
int Form::Height() const { return window_ ? ToTwips(window_->height()) : 0; }

void Form::SetLeft(int twips) {
  Load();
  if (window_) window_->move(ToPixels(twips), window_->y());
}
void Form::SetTop(int twips) {
  Load();
  if (window_) window_->move(window_->x(), ToPixels(twips));
}
void Form::SetWidth(int twips) { SetSize(twips, Height()); }
void Form::SetHeight(int twips) { SetSize(Width(), twips); }

void Form::SetSize(int width, int height) {
  Load();
  if (!window_) return;
  if (kind_ == WindowKind::MdiParent) {
    window_->resize(ToPixels(width), ToPixels(height));
  } else {
    // Designed windows keep their size: every control sits at a fixed place.
    window_->setFixedSize(ToPixels(width), ToPixels(height));
  }
}

void Form::ZOrder() {
  if (!window_) return;
  if (auto* sub = qobject_cast<QMdiSubWindow*>(window_.data()); sub && sub->mdiArea()) {
    sub->mdiArea()->setActiveSubWindow(sub);
  }
  window_->raise();
}

void Form::SetMousePointer(int shape) {
  mousePointer_ = shape;
  if (client_) ApplyMousePointer(client_, shape);
}

void ApplyMousePointer(QWidget* widget, int shape) {
  switch (shape) {
    case vbArrow: widget->setCursor(Qt::ArrowCursor); break;
    case vbSizeNS: widget->setCursor(Qt::SizeVerCursor); break;
    case vbSizeWE: widget->setCursor(Qt::SizeHorCursor); break;
    case vbSizeAll: widget->setCursor(Qt::SizeAllCursor); break;
    default: widget->unsetCursor(); break;
  }
}

void SetMdiArea(QMdiArea* area) {
  gMdiArea = area;
  InstallChildWindowKeys(area);
}
QMdiArea* MdiArea() { return gMdiArea; }

std::vector<Form*> LoadedForms() { return Loaded(); }

void UnloadAllForms() {
  for (Form* form : LoadedForms()) form->Unload();
}

}  // namespace forms
