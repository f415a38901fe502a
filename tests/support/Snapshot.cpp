#include "Snapshot.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QPixmap>
#include <QWidget>

#include "platform/forms/Form.h"
#include "support/Layout.h"

namespace support {

QString SaveSnapshot(QWidget* window, const QString& name) {
  const QString dir = qEnvironmentVariable("SNAPSHOT_DIR");
  if (dir.isEmpty() || !window) return QString();
  QDir().mkpath(dir);
  const QString path = QDir(dir).filePath(name + QStringLiteral(".png"));
  return window->grab().save(path) ? path : QString();
}

void Snap(const forms::Form& form, const QString& name, const std::vector<std::string>& known) {
  ExpectNothingCutOff(form.Client(), name.toStdString(), known);
  const QString path = SaveSnapshot(form.Window(), name);
  if (!qEnvironmentVariableIsEmpty("SNAPSHOT_DIR")) {
    EXPECT_FALSE(path.isEmpty()) << name.toStdString();
  }
}

}  // namespace support
