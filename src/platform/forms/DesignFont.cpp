#include "DesignFont.h"

#include <QApplication>
#include <QFont>

namespace forms {

void ApplyDesignFont() {
  QFont font(QStringLiteral("DejaVu Sans"), 8);
  font.setStyleHint(QFont::SansSerif);
  QApplication::setFont(font);
}

}  // namespace forms
