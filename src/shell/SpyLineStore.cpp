#include "SpyLineStore.h"

#include <algorithm>

#include "link/BoardLink.h"

namespace {

const QString kReadHead = QStringLiteral("Read Dev Addr=");
const QString kWriteHead = QStringLiteral("Write Dev Addr=");
const QString kAddr = QStringLiteral(" Addr Ptr=");
const QString kIn = QStringLiteral(" Data In=");
const QString kOut = QStringLiteral(" Data Out=");

// "0x" and exactly two hex digits at pos; -1 otherwise.
int HexByteAt(const QString& text, int pos) {
  if (pos + 4 > text.size() || text[pos] != QLatin1Char('0') || text[pos + 1] != QLatin1Char('x')) return -1;
  int value = 0;
  for (int i = pos + 2; i < pos + 4; ++i) {
    const char16_t c = text[i].unicode();
    int d;
    if (c >= u'0' && c <= u'9') d = c - u'0';
    else if (c >= u'A' && c <= u'F') d = c - u'A' + 10;
    else return -1;
    value = value * 16 + d;
  }
  return value;
}

}  // namespace

QString SpyLineStore::Compose(const Record& r) {
  const bool read = r.kind == kRead;
  return (read ? kReadHead : kWriteHead) + FormatHex(r.device) + kAddr + FormatHex(r.reg) + (read ? kIn : kOut) +
         FormatHex(r.data);
}

bool SpyLineStore::Parse(const QString& line, Record& r) {
  const bool read = line.startsWith(kReadHead);
  if (!read && !line.startsWith(kWriteHead)) return false;
  int pos = read ? kReadHead.size() : kWriteHead.size();
  const int device = HexByteAt(line, pos);
  pos += 4;
  if (device < 0 || !QStringView(line).mid(pos).startsWith(kAddr)) return false;
  pos += kAddr.size();
  const int reg = HexByteAt(line, pos);
  pos += 4;
  const QString& data = read ? kIn : kOut;
  if (reg < 0 || !QStringView(line).mid(pos).startsWith(data)) return false;
  pos += data.size();
  const int value = HexByteAt(line, pos);
  if (value < 0 || pos + 4 != line.size()) return false;
  r = {read ? kRead : kWrite, static_cast<uint8_t>(device), static_cast<uint8_t>(reg), static_cast<uint8_t>(value)};
  // Only a line that comes back exactly as it went in is kept compactly.
  return Compose(r) == line;
}

void SpyLineStore::Append(const QString& line) {
  Record r{};
  if (!Parse(line, r)) {
    r = {kText, 0, 0, 0};
    texts_.emplace_back(records_.size(), line);
  }
  records_.push_back(r);
}

void SpyLineStore::Clear() {
  // Give the memory back: a long session may have gathered millions of lines.
  std::vector<Record>().swap(records_);
  std::vector<std::pair<size_t, QString>>().swap(texts_);
}

QString SpyLineStore::Line(size_t row) const {
  if (row >= records_.size()) return QString();
  const Record& r = records_[row];
  if (r.kind != kText) return Compose(r);
  const auto it = std::lower_bound(texts_.begin(), texts_.end(), row,
                                   [](const std::pair<size_t, QString>& t, size_t wanted) { return t.first < wanted; });
  return it != texts_.end() && it->first == row ? it->second : QString();
}

size_t SpyLineStore::MemoryBytes() const {
  size_t bytes = records_.capacity() * sizeof(Record) + texts_.capacity() * sizeof(texts_[0]);
  for (const auto& t : texts_) bytes += static_cast<size_t>(t.second.capacity()) * sizeof(QChar);
  return bytes;
}
