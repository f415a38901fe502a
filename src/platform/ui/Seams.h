#pragma once
// The program's contact points with the person at the screen and with the clock.
// Each has the real behaviour by default; tests replace them so that every road
// runs without a person and without ending the test process. No widget code:
// the board link and the model call these.

#include <QString>
#include <functional>

namespace ui {

// The program's title, caption of every message box that names no caption of its own.
inline const QString kAppTitle = QStringLiteral("KRV7310 Evaluation Software");

// Message box buttons and icons, combinable: vbYesNo | vbCritical.
enum MsgBoxStyle : int {
  vbOKOnly = 0,
  vbOKCancel = 1,
  vbYesNo = 4,
  vbCritical = 16,
  vbQuestion = 32,
  vbExclamation = 48,
  vbInformation = 64,
};
enum MsgBoxResult : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

// Shows a modal message box and returns the button pressed. An empty title means kAppTitle.
int MsgBox(const QString& prompt, int style = vbOKOnly, const QString& title = QString());
using MsgBoxHandler = std::function<int(const QString& prompt, int style, const QString& title)>;
void SetMsgBoxHandler(MsgBoxHandler handler);  // an empty handler restores the real box

// Ends the program at once. The test replacement throws, so this may return only by exception.
[[noreturn]] void End();
void SetEndHandler(std::function<void()> handler);  // must not return

// Runs when the program is about to end after a failure, once its message has
// been read: the shell unloads every window here. Nothing until one is set.
void AboutToEnd();
void SetAboutToEnd(std::function<void()> hook);

// Seconds since midnight, as the master timer reads them (single precision).
float Timer();
void SetTimerClock(std::function<float()> clock);

// A clock that never runs backwards, in seconds, and a way to let time pass on it.
// Busy waits use these so a wait across midnight still ends.
double MonotonicSeconds();
void SleepSeconds(double seconds);
void SetMonotonicClock(std::function<double()> clock, std::function<void(double)> sleep);

// The current date and time as the system writes them in short form.
QString DateText();
QString TimeText();
void SetDateTimeText(std::function<QString()> date, std::function<QString()> time);

// File dialogs: the chosen path, or an empty text when the user cancelled.
struct FileDialogRequest {
  bool save = false;
  QString initialDir;
  QString filter;  // "Text Files (*.sav)|*.sav"
  // "sav": put after a name typed without a suffix of its own, before the dialog
  // asks whether an existing file may be replaced.
  QString defaultSuffix;
};
using FileDialogHandler = std::function<QString(const FileDialogRequest&)>;
QString ChooseFile(const FileDialogRequest& request);
void SetFileDialogHandler(FileDialogHandler handler);

// The real message box and file dialogs need the window system, which this
// library does not link: its widget part installs them once at program start
// (WindowSystemSeams.h), and ResetSeams keeps them.
void SetWindowSystem(MsgBoxHandler msgBox, FileDialogHandler fileDialog);

// Puts every seam back to its real behaviour, and the about-to-end hook to none.
void ResetSeams();

}  // namespace ui
