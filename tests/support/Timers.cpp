#include "Timers.h"

#include <gtest/gtest.h>

#include <QMetaObject>
#include <QTimer>

namespace support {

QTimer* FindTimer(const QObject* owner, const QString& name) {
  QTimer* timer = owner ? owner->findChild<QTimer*>(name) : nullptr;
  if (!timer) ADD_FAILURE() << "no timer named " << name.toStdString();
  return timer;
}

void Fire(QTimer* timer) {
  if (!timer) return;
  if (!timer->isActive()) {
    ADD_FAILURE() << "the timer " << timer->objectName().toStdString() << " is not running, so it never comes";
    return;
  }
  if (timer->isSingleShot()) timer->stop();
  // timeout is a private signal: only the meta-object sends it from outside the timer.
  const bool sent = QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
  EXPECT_TRUE(sent) << "the timer " << timer->objectName().toStdString() << " did not come";
}

}  // namespace support
