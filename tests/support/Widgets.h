#pragma once
// Finding a window's controls by their names, failing loudly with the names
// that do exist.

#include <gtest/gtest.h>

#include <QStringList>
#include <QWidget>

#include "platform/forms/Form.h"

namespace support {

template <typename T>
T* Find(QWidget* root, const QString& name) {
  if (!root) {
    ADD_FAILURE() << "no window to look for " << name.toStdString() << " in (form not loaded?)";
    return nullptr;
  }
  if (T* found = root->findChild<T*>(name)) return found;
  QStringList names;
  for (QObject* child : root->findChildren<QObject*>()) {
    if (!child->objectName().isEmpty() && !child->objectName().startsWith(QLatin1String("qt_")))
      names << child->objectName();
  }
  ADD_FAILURE() << "no control named " << name.toStdString() << "; found: " << names.join(", ").toStdString();
  return nullptr;
}

template <typename T>
T* Find(const forms::Form& form, const QString& name) {
  return Find<T>(form.Window(), name);
}

}  // namespace support
