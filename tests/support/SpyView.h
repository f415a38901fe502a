#pragma once
// The bus monitor's view takes new lines a moment after they come: this lets
// that moment pass on the program's clock and runs the event loop until the
// view shows every line.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QScrollBar>
#include <QTest>
#include <algorithm>

#include "platform/ui/Seams.h"
#include "shell/SpyListBox.h"

namespace support {

inline void ShowPendingLines(SpyListBox& list) {
  ui::SleepSeconds(SpyListBox::kUpdateInterval);
  const auto shown = [&list] {
    return list.verticalScrollBar()->maximum() == std::max(0, list.ListCount() - list.RowsInView());
  };
  QElapsedTimer waited;
  waited.start();
  while (!shown() && waited.elapsed() < 5000) QTest::qWait(5);
  ASSERT_TRUE(shown()) << "the view never took the new lines";
  QCoreApplication::sendPostedEvents();
}

}  // namespace support
