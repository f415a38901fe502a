#include "Seams.h"

#include <QDate>
#include <QLocale>
#include <QTime>
#include <QtGlobal>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "platform/globals/ProgramGlobals.h"

namespace ui {
namespace {

MsgBoxHandler gMsgBoxHandler;
std::function<void()> gEndHandler;
std::function<void()> gAboutToEnd;
std::function<float()> gTimerClock;
std::function<double()> gMonotonicClock;
std::function<void(double)> gSleep;
std::function<QString()> gDateText;
std::function<QString()> gTimeText;
FileDialogHandler gFileDialog;

// The window system's own boxes, installed once and kept by ResetSeams.
MsgBoxHandler gSystemMsgBox;
FileDialogHandler gSystemFileDialog;

[[maybe_unused]] const bool kResetRegistered = globals::RegisterReset(globals::ResetStage::Seams, &ResetSeams);

}  // namespace

int MsgBox(const QString& prompt, int style, const QString& title) {
  const QString caption = title.isEmpty() ? kAppTitle : title;
  if (gMsgBoxHandler) return gMsgBoxHandler(prompt, style, caption);
  // A question nobody can see must not be answered on the user's behalf.
  if (!gSystemMsgBox) qFatal("no window system to show the message: %s", qPrintable(prompt));
  return gSystemMsgBox(prompt, style, caption);
}
void SetMsgBoxHandler(MsgBoxHandler handler) { gMsgBoxHandler = std::move(handler); }

void End() {
  if (gEndHandler) gEndHandler();
  std::fflush(nullptr);
  std::_Exit(0);
}
void SetEndHandler(std::function<void()> handler) { gEndHandler = std::move(handler); }

void AboutToEnd() {
  if (gAboutToEnd) gAboutToEnd();
}
void SetAboutToEnd(std::function<void()> hook) { gAboutToEnd = std::move(hook); }

float Timer() {
  if (gTimerClock) return gTimerClock();
  return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay() / 1000.0);
}
void SetTimerClock(std::function<float()> clock) { gTimerClock = std::move(clock); }

double MonotonicSeconds() {
  if (gMonotonicClock) return gMonotonicClock();
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}
void SleepSeconds(double seconds) {
  if (gSleep) {
    gSleep(seconds);
  } else if (seconds > 0) {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
  }
}
void SetMonotonicClock(std::function<double()> clock, std::function<void(double)> sleep) {
  gMonotonicClock = std::move(clock);
  gSleep = std::move(sleep);
}

QString DateText() {
  return gDateText ? gDateText() : QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}
QString TimeText() {
  return gTimeText ? gTimeText() : QLocale::system().toString(QTime::currentTime(), QLocale::ShortFormat);
}
void SetDateTimeText(std::function<QString()> date, std::function<QString()> time) {
  gDateText = std::move(date);
  gTimeText = std::move(time);
}

QString ChooseFile(const FileDialogRequest& request) {
  if (gFileDialog) return gFileDialog(request);
  if (!gSystemFileDialog) qFatal("no window system to show a file dialog");
  return gSystemFileDialog(request);
}
void SetFileDialogHandler(FileDialogHandler handler) { gFileDialog = std::move(handler); }

void SetWindowSystem(MsgBoxHandler msgBox, FileDialogHandler fileDialog) {
  gSystemMsgBox = std::move(msgBox);
  gSystemFileDialog = std::move(fileDialog);
}

void ResetSeams() {
  gMsgBoxHandler = nullptr;
  gEndHandler = nullptr;
  gAboutToEnd = nullptr;
  gTimerClock = nullptr;
  gMonotonicClock = nullptr;
  gSleep = nullptr;
  gDateText = nullptr;
  gTimeText = nullptr;
  gFileDialog = nullptr;
}

}  // namespace ui
