#pragma once
// The outer windows a form lives in. Closing one by its close box unloads the form.

#include <QCloseEvent>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QWidget>

#include "Form.h"

namespace forms {

template <typename Base>
class FormWindow : public Base {
 public:
  explicit FormWindow(Form* form) : form_(form) {}

 protected:
  void closeEvent(QCloseEvent* event) override {
    form_->CloseRequested();
    event->accept();
  }

 private:
  Form* form_;
};

// A child window of the main window's document area; Ctrl+F4 closes it too.
class FormSubWindow : public FormWindow<QMdiSubWindow> {
 public:
  explicit FormSubWindow(Form* form);
};

using FormTopWindow = FormWindow<QWidget>;
using FormMainWindow = FormWindow<QMainWindow>;

}  // namespace forms
