#pragma once
// Files that tests write and read back.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace support {

// The bytes of a file; none when it cannot be read.
inline QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace support
