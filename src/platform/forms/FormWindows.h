#pragma once
// The outer windows a form lives in. Closing one by its close box unloads the form.

#include <QMainWindow>
#include <QMdiSubWindow>
#include <QWidget>

namespace forms {

class Form;

class FormSubWindow : public QMdiSubWindow {
  Q_OBJECT
 public:
  explicit FormSubWindow(Form* form);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  Form* form_;
};

class FormTopWindow : public QWidget {
  Q_OBJECT
 public:
  explicit FormTopWindow(Form* form);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  Form* form_;
};

class FormMainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit FormMainWindow(Form* form);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  Form* form_;
};

}  // namespace forms
