#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <cmath>
#include <stdexcept>

#include "link/BoardLink.h"
#include "platform/ui/Seams.h"
#include "support/Fixture.h"

namespace {

// A clock the test moves: each sleep advances it by a fixed step, and a wait
// that runs away fails the test instead of hanging it.
class SteppedClock {
 public:
  explicit SteppedClock(double step, double start = 1000.0) : step_(step), now_(start), start_(start) {
    ui::SetMonotonicClock([this] { return now_; }, [this](double) {
      now_ += step_;
      if (now_ - start_ > 60) throw std::runtime_error("the wait does not end");
    });
  }
  double Elapsed() const { return now_ - start_; }
  double Now() const { return now_; }

 private:
  double step_;
  double now_;
  double start_;
};

class DelayTest : public support::Fixture {};

TEST_F(DelayTest, WaitsAtLeastTheRequestedTime) {
  for (float ms : {1.0f, 50.0f, 200.0f, 1000.0f, 2000.0f}) {
    SteppedClock clock(0.0001);
    Delay(ms);
    EXPECT_GT(clock.Elapsed(), ms / 1000.0) << ms;
    EXPECT_LT(clock.Elapsed(), ms / 1000.0 + 0.0002) << ms;
  }
}

TEST_F(DelayTest, EndsOnlyWhenTheClockIsStrictlyPastTheTarget) {
  SteppedClock clock(0.25);
  Delay(500);
  // Two steps land exactly on the target, which is not yet past it; the third step is.
  EXPECT_EQ(clock.Elapsed(), 0.75);
}

TEST_F(DelayTest, AWaitAcrossMidnightEndsAfterTheRequestedTime) {
  SteppedClock clock(0.001);
  // The seconds-since-midnight clock wraps to 0 during the wait.
  ui::SetTimerClock([&clock] { return static_cast<float>(std::fmod(86399.9 + clock.Elapsed(), 86400.0)); });
  Delay(500);
  EXPECT_GT(clock.Elapsed(), 0.5);
  EXPECT_LT(clock.Elapsed(), 0.51);
  EXPECT_LT(ui::Timer(), 1.0f) << "the clock did pass midnight";
}

TEST_F(DelayTest, ZeroOrNegativeReturnsAtOnce) {
  SteppedClock clock(0.001);
  Delay(0);
  EXPECT_LE(clock.Elapsed(), 0.001);
  Delay(-100);
  EXPECT_LE(clock.Elapsed(), 0.001);
}

TEST_F(DelayTest, RealMonotonicClock) {
  // Without a test's clock, Delay waits on the system's steady clock: a reading
  // lies between two readings of that clock taken around it. How long a wait on
  // a clock lasts, the stepped clocks above show.
  ui::SetMonotonicClock(nullptr, nullptr);
  const auto steadySeconds = [] {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
  };
  const double before = steadySeconds();
  const double reading = ui::MonotonicSeconds();
  const double after = steadySeconds();
  EXPECT_GE(reading, before);
  EXPECT_LE(reading, after);
}

TEST_F(DelayTest, LetsNoWindowEventThrough) {
  bool ran = false;
  QTimer::singleShot(0, [&ran] { ran = true; });
  Delay(20);  // on the fixture's clock: the wait goes round its loop without sleeping
  EXPECT_FALSE(ran);
  QCoreApplication::processEvents();
  EXPECT_TRUE(ran);
}

}  // namespace
