#include "StripHistory.h"

#include <algorithm>
#include <limits>

namespace instruments {

namespace {
constexpr int64_t kMaxOffset = std::numeric_limits<uint16_t>::max();
}

StripHistory::StripHistory(std::size_t capacity) : capacity_(std::max<std::size_t>(capacity, 1)) {}

StripHistory::~StripHistory() = default;
StripHistory::StripHistory(StripHistory&&) noexcept = default;
StripHistory& StripHistory::operator=(StripHistory&&) noexcept = default;

void StripHistory::Append(int64_t ms, float value) {
  Block* last = blocks_.empty() ? nullptr : blocks_.back().get();
  if (last) ms = std::max(ms, last->Point(last->count - 1).ms);
  if (!last || last->count == kBlockPoints || ms - last->base > kMaxOffset) {
    blocks_.push_back(std::make_unique<Block>());
    last = blocks_.back().get();
    last->base = ms;
  }
  last->dt[last->count] = static_cast<uint16_t>(ms - last->base);
  last->value[last->count] = value;
  ++last->count;
  ++size_;
  while (size_ - blocks_.front()->count >= capacity_) {
    size_ -= blocks_.front()->count;
    blocks_.pop_front();
  }
}

StripPoint StripHistory::At(std::size_t i) const {
  for (const auto& block : blocks_) {
    if (i < block->count) return block->Point(i);
    i -= block->count;
  }
  return {};
}

StripPoint StripHistory::Newest() const {
  if (blocks_.empty()) return {};
  const Block& last = *blocks_.back();
  return last.Point(last.count - 1);
}

std::size_t StripHistory::FirstAtOrAfter(int64_t ms) const {
  // The first block whose last point is at or after ms holds the answer.
  const auto block = std::partition_point(
      blocks_.begin(), blocks_.end(), [ms](const std::unique_ptr<Block>& b) { return b->Point(b->count - 1).ms < ms; });
  std::size_t index = 0;
  for (auto b = blocks_.begin(); b != block; ++b) index += (*b)->count;
  if (block == blocks_.end()) return index;
  const Block& b = **block;
  std::size_t lo = 0, hi = b.count;
  while (lo < hi) {
    const std::size_t mid = lo + (hi - lo) / 2;
    if (b.Point(mid).ms < ms) {
      lo = mid + 1;
    } else {
      hi = mid;
    }
  }
  return index + lo;
}

template <typename Visit>
void StripHistory::ForRange(std::size_t first, std::size_t end, Visit visit) const {
  std::size_t index = 0;
  for (const auto& block : blocks_) {
    if (index >= end) return;
    const std::size_t next = index + block->count;
    if (next > first) {
      for (std::size_t k = first > index ? first - index : 0; k < block->count && index + k < end; ++k)
        visit(block->Point(k));
    }
    index = next;
  }
}

void StripHistory::Visible(int64_t from, int64_t to, std::size_t maxPoints, std::vector<StripPoint>& out) const {
  out.clear();
  if (size_ == 0 || to < from) return;
  std::size_t first = FirstAtOrAfter(from);
  const std::size_t end = to == std::numeric_limits<int64_t>::max() ? size_ : FirstAtOrAfter(to + 1);
  if (first > 0) --first;
  if (first >= end) return;
  const std::size_t count = end - first;
  const std::size_t slices = maxPoints / 2;
  if (count <= maxPoints || slices == 0) {
    out.reserve(count);
    ForRange(first, end, [&out](const StripPoint& p) { out.push_back(p); });
    return;
  }

  out.reserve(2 * slices + 3);
  const double width = static_cast<double>(to - from) / static_cast<double>(slices);
  const auto sliceOf = [&](int64_t ms) {
    // The point before the span forms a slice of its own.
    if (ms < from) return int64_t{-1};
    return std::min<int64_t>(static_cast<int64_t>((ms - from) / width), static_cast<int64_t>(slices) - 1);
  };
  int64_t slice = std::numeric_limits<int64_t>::min();
  StripPoint low, high, lastSeen;
  std::size_t lowAt = 0, highAt = 0, at = 0;
  const auto flush = [&] {
    if (lowAt == highAt) {
      out.push_back(low);
    } else if (lowAt < highAt) {
      out.push_back(low);
      out.push_back(high);
    } else {
      out.push_back(high);
      out.push_back(low);
    }
  };
  ForRange(first, end, [&](const StripPoint& p) {
    const int64_t s = sliceOf(p.ms);
    if (s != slice) {
      if (at > 0) flush();
      slice = s;
      low = high = p;
      lowAt = highAt = at;
    } else {
      if (p.value < low.value) low = p, lowAt = at;
      if (p.value > high.value) high = p, highAt = at;
    }
    lastSeen = p;
    ++at;
  });
  flush();
  // The line reaches the newest point whatever the slices chose.
  if (out.back().ms != lastSeen.ms || out.back().value != lastSeen.value) out.push_back(lastSeen);
}

std::size_t StripHistory::Bytes() const { return blocks_.size() * sizeof(Block); }

}  // namespace instruments
