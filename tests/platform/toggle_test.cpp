#include "platform/instruments/Toggle.h"

#include <gtest/gtest.h>

#include <QImage>

using instruments::Toggle;

namespace {

TEST(Toggle, OnReadsRedOffReadsGreenAndTheToolTipStays) {
  Toggle lamp;
  lamp.resize(16, 16);
  const QString tip = QStringLiteral("Interrupt Status: Green=OK, Red=Bad, Invisible=Disabled");
  lamp.setToolTip(tip);
  EXPECT_FALSE(lamp.Value()) << "a lamp starts off";
  for (const bool on : {true, true, false, true, false}) {
    lamp.SetValue(on);
    EXPECT_EQ(lamp.Value(), on);
    const QColor middle = lamp.grab().toImage().pixelColor(8, 8);
    if (on) {
      EXPECT_GT(middle.red(), 2 * middle.green()) << "on is red";
    } else {
      EXPECT_GT(middle.green(), 2 * middle.red()) << "off is green";
    }
    EXPECT_EQ(lamp.toolTip(), tip);
  }
}

}  // namespace
