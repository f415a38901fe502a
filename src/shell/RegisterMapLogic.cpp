#include "RegisterMapLogic.h"

#include <cctype>

#include "model/NumberText.h"

bool IsReadingRegister(int32_t address) { return address >= 0x10 && address <= 0x1A; }

bool Is16BitRegister(int32_t address) {
  return address == 0x11 || address == 0x12 || address == 0x13 || address == 0x18;
}

int32_t ReadingValue(int32_t address, int32_t b1, int32_t b2) {
  if (Is16BitRegister(address)) return b1 * 256 + b2;
  return numtext::RoundToInt(b1 * 16.0 + b2 / 16.0);
}

int BitShownByLabel(int label, bool reading) {
  if (label < 0 || label > 15) return -1;
  if (reading) return label < 8 ? label + 8 : label - 8;
  return label < 8 ? label : -1;
}

int32_t ByteFromBitCaptions(const QStringList& captions) {
  int32_t byte = 0;
  for (int i = 7; i >= 0; --i) {
    if (i < captions.size() && captions[i] != QLatin1String("0")) byte += 1 << i;
  }
  return byte;
}

bool DataByteFromText(const QString& text, int32_t& value) {
  QString digits = text.trimmed();
  if (digits.endsWith(QLatin1Char('h'), Qt::CaseInsensitive)) digits.chop(1);
  if (digits.isEmpty()) return false;
  for (const QChar c : digits) {
    if (!std::isxdigit(static_cast<unsigned char>(c.toLatin1()))) return false;  // 0 for a non-Latin-1 character
  }
  // Leading zeros may make the text long; the value still has to be a byte.
  const int32_t read = numtext::HexVal(digits);
  if (read > 0xFF) return false;
  value = read;
  return true;
}

QString RegisterNodeKey(const QString& name, int32_t address) {
  return name + QLatin1Char(',') + numtext::Hex(address);
}

bool AddressFromNodeKey(const QString& key, int32_t& address) {
  const QStringList parts = key.split(QLatin1Char(','));
  if (parts.size() < 2) return false;
  address = numtext::HexVal(parts[1]);
  return true;
}

QString NameFromNodeKey(const QString& key) { return key.section(QLatin1Char(','), 0, 0); }
