#include "ListTexts.h"

#include "model/NumberText.h"

namespace settings {

QStringList NumberItems(int count) {
  QStringList items;
  for (int i = 0; i < count; ++i) items << numtext::Plain(i);
  return items;
}

QStringList PercentItems(int first, int count) {
  QStringList items;
  for (int i = 0; i < count; ++i) items << numtext::Plain(first + i) + QStringLiteral("%");
  return items;
}

QStringList ShareBandwidthItems() {
  QStringList items;
  for (int i = 0; i <= 31; ++i) {
    // The chip's steps are held as single-precision hertz; kilohertz are shown to the hertz.
    const float hz = static_cast<float>(numtext::Round(4900.0 / 31 * i, 2) + 100);
    if (hz < 1000) {
      items << numtext::Plain(hz) + QStringLiteral("Hz");
    } else {
      const float khz = hz / 1000;
      items << numtext::Plain(numtext::Round(khz, 3)) + QStringLiteral("kHz");
    }
  }
  return items;
}

QStringList CS1LimitItems() {
  QStringList items;
  for (int i = 0; i <= 31; ++i) items << numtext::Plain(numtext::Round(25.0 / 31 * i, 2) + 105) + QStringLiteral("%");
  return items;
}

QStringList CS2LimitItems() {
  QStringList items;
  for (int i = 0; i <= 31; ++i) items << numtext::Plain(numtext::Round(32.0 / 31 * i, 2) + 100) + QStringLiteral("%");
  return items;
}

QStringList OCPBandwidthItems() {
  QStringList items;
  for (int i = 0; i <= 7; ++i) {
    const double hz = 100 + 700 * i;
    items << (hz < 1000 ? numtext::Plain(hz) + QStringLiteral("Hz") : numtext::Plain(hz / 1000) + QStringLiteral("kHz"));
  }
  return items;
}

QStringList OutputTrimItems() {
  QStringList items;
  for (int i = 0; i <= 255; ++i) items << numtext::Plain(numtext::Round(60.0 / 255 * i, 3) + 65) + QStringLiteral("%");
  return items;
}

}  // namespace settings
