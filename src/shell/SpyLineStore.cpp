#include "SpyLineStore.h"

void SpyLineStore::Append(const BusRecord& record) {
  const size_t slot = size_ & (kBlockSize - 1);
  if (slot == 0 && (size_ >> kBlockShift) == blocks_.size()) {
    blocks_.push_back(std::make_unique<BusRecord[]>(kBlockSize));
  }
  blocks_[size_ >> kBlockShift][slot] = record;
  ++size_;
}

void SpyLineStore::Clear() {
  // Give the memory back: a long session may have gathered millions of lines.
  std::vector<std::unique_ptr<BusRecord[]>>().swap(blocks_);
  size_ = 0;
}

const BusRecord& SpyLineStore::Record(size_t row) const {
  return blocks_[row >> kBlockShift][row & (kBlockSize - 1)];
}

QString SpyLineStore::Line(size_t row) const { return row < size_ ? BusMonitorLine(Record(row)) : QString(); }

size_t SpyLineStore::MemoryBytes() const {
  return blocks_.size() * kBlockSize * sizeof(BusRecord) + blocks_.capacity() * sizeof(blocks_[0]);
}
