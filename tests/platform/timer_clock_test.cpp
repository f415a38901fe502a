// The master timer's clock: the time of day, with the time zone read at most
// once a minute rather than at every reading (a look at the zone file each).

#include <gtest/gtest.h>

#include <QDateTime>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <string>

#include "platform/ui/Seams.h"

namespace {

// The difference of two times of day, the short way round midnight.
double DayDifference(double a, double b) { return std::remainder(a - b, 86400.0); }

class TimerClock : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* zone = std::getenv("TZ")) saved_ = zone, hadZone_ = true;
    ui::ResetSeams();
    ui::SetMonotonicClock([this] { return monotonic_; }, [](double) {});
  }
  void TearDown() override {
    hadZone_ ? setenv("TZ", saved_.c_str(), 1) : unsetenv("TZ");
    tzset();
    ui::ResetSeams();
  }
  double monotonic_ = 1e6;

 private:
  std::string saved_;
  bool hadZone_ = false;
};

TEST_F(TimerClock, ReadsTheTimeOfDayAndTheZoneAtMostOnceAMinute) {
  setenv("TZ", "UTC0", 1);
  monotonic_ += 1e6;  // a minute and more since any reading before
  const double utc = ui::Timer();
  EXPECT_NEAR(DayDifference(utc, QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay() / 1000.0), 0, 1);

  setenv("TZ", "EAST-9", 1);  // nine hours ahead
  monotonic_ += 59;
  EXPECT_NEAR(DayDifference(ui::Timer(), utc), 0, 1) << "within the minute the zone is not looked at again";
  monotonic_ += 1;
  EXPECT_NEAR(DayDifference(ui::Timer(), utc), 9 * 3600, 1) << "a minute on, the new zone holds";
}

}  // namespace
