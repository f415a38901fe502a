#pragma once
// The bus monitor's lines, kept as the transfers they record: four bytes a
// line, in blocks that are never moved, so a line costs the same to add at ten
// million lines as at ten. A line's text is made only when it is asked for.

#include <QString>
#include <cstddef>
#include <memory>
#include <vector>

#include "link/BusMonitor.h"

class SpyLineStore {
 public:
  void Append(const BusRecord& record);
  void Clear();
  size_t Size() const { return size_; }
  // Row 0 is the oldest line. Record needs a row below Size; Line gives "" past the end.
  const BusRecord& Record(size_t row) const;
  QString Line(size_t row) const;
  // Bytes held for the lines, unused room of the last block included.
  size_t MemoryBytes() const;

 private:
  static constexpr size_t kBlockShift = 12;
  static constexpr size_t kBlockSize = size_t{1} << kBlockShift;  // 16 KiB of records
  std::vector<std::unique_ptr<BusRecord[]>> blocks_;
  size_t size_ = 0;
};
