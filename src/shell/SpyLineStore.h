#pragma once
// The bus monitor's lines, kept compactly: a transfer line as the link writes it
// is four bytes, turned back into its text when it is shown. Any other text is
// kept as it came.

#include <QString>
#include <cstdint>
#include <utility>
#include <vector>

class SpyLineStore {
 public:
  void Append(const QString& line);
  void Clear();
  size_t Size() const { return records_.size(); }
  QString Line(size_t row) const;
  // Bytes held for the lines, container slack included.
  size_t MemoryBytes() const;

 private:
  enum Kind : uint8_t { kRead, kWrite, kText };
  struct Record {
    Kind kind;
    uint8_t device;
    uint8_t reg;
    uint8_t data;
  };
  static QString Compose(const Record& r);
  static bool Parse(const QString& line, Record& r);

  std::vector<Record> records_;
  std::vector<std::pair<size_t, QString>> texts_;  // rows of kind kText, ascending
};
