#include "Seams.h"

#include <QDate>
#include <QFileDialog>
#include <QLocale>
#include <QMessageBox>
#include <QTime>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace ui {
namespace {

MsgBoxHandler gMsgBoxHandler;
std::function<void()> gEndHandler;
std::function<float()> gTimerClock;
std::function<double()> gMonotonicClock;
std::function<void(double)> gSleep;
std::function<QString()> gDateText;
std::function<QString()> gTimeText;
std::function<QString(const FileDialogRequest&)> gFileDialog;

int RealMsgBox(const QString& prompt, int style, const QString& title) {
  QMessageBox box;
  box.setWindowTitle(title);
  box.setText(prompt);
  switch (style & 0x70) {
    case vbCritical: box.setIcon(QMessageBox::Critical); break;
    case vbQuestion: box.setIcon(QMessageBox::Question); break;
    case vbExclamation: box.setIcon(QMessageBox::Warning); break;
    case vbInformation: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
  }
  switch (style & 0x0F) {
    case vbYesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case vbOKCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    default: box.setStandardButtons(QMessageBox::Ok); break;
  }
  switch (box.exec()) {
    case QMessageBox::Yes: return vbYes;
    case QMessageBox::No: return vbNo;
    case QMessageBox::Cancel: return vbCancel;
    default: return vbOK;
  }
}

// "Text Files (*.sav)|*.sav" pairs become Qt's "Text Files (*.sav)".
QString QtFilter(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList names;
  for (int i = 0; i + 1 < parts.size(); i += 2) names << parts[i];
  return names.join(QStringLiteral(";;"));
}

}  // namespace

int MsgBox(const QString& prompt, int style, const QString& title) {
  const QString caption = title.isEmpty() ? kAppTitle : title;
  return gMsgBoxHandler ? gMsgBoxHandler(prompt, style, caption) : RealMsgBox(prompt, style, caption);
}
void SetMsgBoxHandler(MsgBoxHandler handler) { gMsgBoxHandler = std::move(handler); }

void End() {
  if (gEndHandler) gEndHandler();
  std::fflush(nullptr);
  std::_Exit(0);
}
void SetEndHandler(std::function<void()> handler) { gEndHandler = std::move(handler); }

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
  const QString filter = QtFilter(request.filter);
  return request.save ? QFileDialog::getSaveFileName(nullptr, QString(), request.initialDir, filter)
                      : QFileDialog::getOpenFileName(nullptr, QString(), request.initialDir, filter);
}
void SetFileDialogHandler(std::function<QString(const FileDialogRequest&)> handler) { gFileDialog = std::move(handler); }

void ResetSeams() {
  gMsgBoxHandler = nullptr;
  gEndHandler = nullptr;
  gTimerClock = nullptr;
  gMonotonicClock = nullptr;
  gSleep = nullptr;
  gDateText = nullptr;
  gTimeText = nullptr;
  gFileDialog = nullptr;
}

}  // namespace ui
