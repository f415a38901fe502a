#include "Seams.h"

#include <QDate>
#include <QLocale>
#include <QTime>
#include <QtGlobal>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <thread>

#include "platform/globals/ProgramGlobals.h"

namespace ui {
namespace {

// What a test may replace; empty members mean the real behaviour.
struct Replaced {
  MsgBoxHandler msgBox;
  std::function<void()> end;
  std::function<void()> aboutToEnd;
  std::function<float()> timerClock;
  std::function<double()> monotonicClock;
  std::function<void(double)> sleep;
  std::function<QString()> dateText;
  std::function<QString()> timeText;
  FileDialogHandler fileDialog;
};
Replaced gReplaced;

// The window system's own boxes, installed once and kept by ResetSeams.
MsgBoxHandler gSystemMsgBox;
FileDialogHandler gSystemFileDialog;

[[maybe_unused]] const bool kResetRegistered = globals::RegisterReset(globals::ResetStage::Seams, &ResetSeams);

}  // namespace

int MsgBox(const QString& prompt, int style, const QString& title) {
  const QString caption = title.isEmpty() ? kAppTitle : title;
  if (gReplaced.msgBox) return gReplaced.msgBox(prompt, style, caption);
  // A question nobody can see must not be answered on the user's behalf.
  if (!gSystemMsgBox) qFatal("no window system to show the message: %s", qPrintable(prompt));
  return gSystemMsgBox(prompt, style, caption);
}
void SetMsgBoxHandler(MsgBoxHandler handler) { gReplaced.msgBox = std::move(handler); }

void End() {
  if (gReplaced.end) gReplaced.end();
  std::fflush(nullptr);
  std::_Exit(0);
}
void SetEndHandler(std::function<void()> handler) { gReplaced.end = std::move(handler); }

void AboutToEnd() {
  if (gReplaced.aboutToEnd) gReplaced.aboutToEnd();
}
void SetAboutToEnd(std::function<void()> hook) { gReplaced.aboutToEnd = std::move(hook); }

namespace {

// Qt's and the C library's local time look at the zone file at every reading,
// and the master timer reads the clock several times a tick. The zone is read
// here at most once a minute (so a change of zone is followed soon); between
// those readings the C library converts with the rules it holds, daylight
// saving included.
struct LocalNow {
  tm fields{};
  long nanoseconds = 0;
};
LocalNow ReadLocalClock() {
  static double zoneReadAt = 0;
  static bool zoneRead = false;
  const double now = MonotonicSeconds();
  if (!zoneRead || now - zoneReadAt >= 60 || now < zoneReadAt) {
    tzset();
    zoneReadAt = now;
    zoneRead = true;
  }
  timespec wall{};
  clock_gettime(CLOCK_REALTIME, &wall);
  LocalNow local;
  localtime_r(&wall.tv_sec, &local.fields);
  local.nanoseconds = wall.tv_nsec;
  return local;
}

}  // namespace

float Timer() {
  if (gReplaced.timerClock) return gReplaced.timerClock();
  const LocalNow now = ReadLocalClock();
  const tm& t = now.fields;
  return static_cast<float>(t.tm_hour * 3600.0 + t.tm_min * 60.0 + t.tm_sec + now.nanoseconds / 1e9);
}
void SetTimerClock(std::function<float()> clock) { gReplaced.timerClock = std::move(clock); }

double MonotonicSeconds() {
  if (gReplaced.monotonicClock) return gReplaced.monotonicClock();
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}
void SleepSeconds(double seconds) {
  if (gReplaced.sleep) {
    gReplaced.sleep(seconds);
  } else if (seconds > 0) {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
  }
}
void SetMonotonicClock(std::function<double()> clock, std::function<void(double)> sleep) {
  gReplaced.monotonicClock = std::move(clock);
  gReplaced.sleep = std::move(sleep);
}

QString DateText() {
  if (gReplaced.dateText) return gReplaced.dateText();
  const tm t = ReadLocalClock().fields;
  return QLocale::system().toString(QDate(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday), QLocale::ShortFormat);
}
QString TimeText() {
  if (gReplaced.timeText) return gReplaced.timeText();
  const tm t = ReadLocalClock().fields;
  return QLocale::system().toString(QTime(t.tm_hour, t.tm_min, std::min(t.tm_sec, 59)), QLocale::ShortFormat);
}
void SetDateTimeText(std::function<QString()> date, std::function<QString()> time) {
  gReplaced.dateText = std::move(date);
  gReplaced.timeText = std::move(time);
}

QString ChooseFile(const FileDialogRequest& request) {
  if (gReplaced.fileDialog) return gReplaced.fileDialog(request);
  if (!gSystemFileDialog) qFatal("no window system to show a file dialog");
  return gSystemFileDialog(request);
}
void SetFileDialogHandler(FileDialogHandler handler) { gReplaced.fileDialog = std::move(handler); }

void SetWindowSystem(MsgBoxHandler msgBox, FileDialogHandler fileDialog) {
  gSystemMsgBox = std::move(msgBox);
  gSystemFileDialog = std::move(fileDialog);
}

void ResetSeams() { gReplaced = Replaced{}; }

}  // namespace ui
