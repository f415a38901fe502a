#include "Snapshot.h"

#include <QDir>
#include <QPixmap>
#include <QWidget>

namespace support {

QString SaveSnapshot(QWidget* window, const QString& name) {
  const QString dir = qEnvironmentVariable("SNAPSHOT_DIR");
  if (dir.isEmpty() || !window) return QString();
  QDir().mkpath(dir);
  const QString path = QDir(dir).filePath(name + QStringLiteral(".png"));
  return window->grab().save(path) ? path : QString();
}

}  // namespace support
