#pragma once
// The bus monitor's view takes new lines a moment after they come: this lets
// that moment pass on the program's clock, makes the view's timer come, and
// checks that the view then shows every line.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

#include "platform/ui/Seams.h"
#include "shell/SpyListBox.h"
#include "support/Timers.h"

namespace support {

inline void ShowPendingLines(SpyListBox& list) {
  ui::SleepSeconds(SpyListBox::kUpdateInterval);
  QTimer* timer = FindTimer(&list, QStringLiteral("tmrShowLines"));
  if (timer && timer->isActive()) Fire(timer);
  ASSERT_EQ(list.verticalScrollBar()->maximum(), std::max(0, list.ListCount() - list.RowsInView()))
      << "the view never took the new lines";
  QCoreApplication::sendPostedEvents();
}

}  // namespace support
