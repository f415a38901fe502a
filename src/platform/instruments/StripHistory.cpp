#include "StripHistory.h"

#include <algorithm>
#include <cmath>
#include <iterator>
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
  const std::size_t slices = maxPoints / 4;
  if (count <= maxPoints || slices == 0) {
    out.reserve(count);
    ForRange(first, end, [&out](const StripPoint& p) { out.push_back(p); });
    return;
  }
  Thin(from, to == std::numeric_limits<int64_t>::max() ? Newest().ms : to, slices, out);
}

namespace {
int64_t FloorDiv(int64_t a, int64_t b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }
}  // namespace

void StripHistory::MakeSlices(int64_t width, int64_t first, int64_t last, int64_t to, std::vector<Slice>& made) const {
  made.assign(static_cast<std::size_t>(last - first + 1), Slice{});
  // A slice keeps its lowest and highest finite points and its first point that
  // is not finite (the break in the line), each with its place in time.
  struct Kept {
    StripPoint point;
    std::size_t at = 0;
    bool held = false;
  };
  Kept low, high, gap;
  int64_t slice = first;
  const auto flush = [&] {
    Kept* kept[] = {&low, &high, &gap};
    std::sort(std::begin(kept), std::end(kept), [](const Kept* a, const Kept* b) { return a->at < b->at; });
    Slice& out = made[static_cast<std::size_t>(slice - first)];
    std::size_t lastAt = std::numeric_limits<std::size_t>::max();
    for (const Kept* k : kept) {
      if (!k->held || k->at == lastAt) continue;
      out.points[out.count++] = k->point;
      lastAt = k->at;
    }
    low.held = high.held = gap.held = false;
  };
  const std::size_t begin = FirstAtOrAfter(first * width);
  const std::size_t end = FirstAtOrAfter(std::min((last + 1) * width, to + 1));
  std::size_t at = begin;
  int64_t nextSlice = (slice + 1) * width;
  ForRange(begin, end, [&](const StripPoint& p) {
    if (p.ms >= nextSlice) {
      flush();
      slice = FloorDiv(p.ms, width);
      nextSlice = (slice + 1) * width;
    }
    if (!std::isfinite(p.value)) {
      if (!gap.held) gap = {p, at, true};
    } else {
      if (!low.held || p.value < low.point.value) low = {p, at, true};
      if (!high.held || p.value > high.point.value) high = {p, at, true};
    }
    ++at;
  });
  flush();
}

void StripHistory::Thin(int64_t from, int64_t to, std::size_t slices, std::vector<StripPoint>& out) const {
  const auto count = static_cast<int64_t>(slices);
  const int64_t width = std::max<int64_t>(1, (to - from + count - 1) / count);
  const int64_t last = FloorDiv(to, width);
  // Slices before the oldest point's hold nothing; the oldest point's may have
  // lost points to the trimming, and the newest point's may still grow, so
  // neither is kept.
  const int64_t oldest = FloorDiv(At(0).ms, width);
  const int64_t growing = FloorDiv(Newest().ms, width);
  const int64_t first = std::max(FloorDiv(from, width), oldest);
  const int64_t keptFrom = std::max(first, oldest + 1);

  SliceCache& cache = cache_;
  if (cache.width != width) cache = SliceCache{width, keptFrom, {}};
  while (!cache.slices.empty() && cache.first < keptFrom) {
    cache.slices.pop_front();
    ++cache.first;
  }
  if (cache.slices.empty() || cache.first != keptFrom) cache = SliceCache{width, keptFrom, {}};
  const int64_t cachedEnd = cache.first + static_cast<int64_t>(cache.slices.size());

  std::vector<Slice> head, tail;
  if (first < keptFrom) MakeSlices(width, first, std::min(keptFrom - 1, last), to, head);
  const int64_t tailFrom = std::max(cachedEnd, keptFrom);
  if (tailFrom <= last) MakeSlices(width, tailFrom, last, to, tail);
  // The last slice may be cut at the span's end, so it is not kept either.
  for (int64_t k = tailFrom; k < last && k < growing; ++k)
    cache.slices.push_back(tail[static_cast<std::size_t>(k - tailFrom)]);

  out.reserve(3 * static_cast<std::size_t>(std::max<int64_t>(0, last - first + 1)) + 2);
  const std::size_t leadIn = FirstAtOrAfter(first * width);
  if (leadIn > 0) out.push_back(At(leadIn - 1));
  const auto give = [&out](const Slice& slice) { out.insert(out.end(), slice.points, slice.points + slice.count); };
  for (const Slice& slice : head) give(slice);
  for (int64_t k = keptFrom; k < std::min(tailFrom, last + 1); ++k)
    give(cache.slices[static_cast<std::size_t>(k - cache.first)]);
  for (const Slice& slice : tail) give(slice);
  // The line reaches the newest point of the span whatever the slices chose.
  const std::size_t end = FirstAtOrAfter(to + 1);
  if (end == 0) return;
  const StripPoint lastSeen = At(end - 1);
  const bool same =
      !out.empty() && out.back().ms == lastSeen.ms &&
      (out.back().value == lastSeen.value || (std::isnan(out.back().value) && std::isnan(lastSeen.value)));
  if (!same) out.push_back(lastSeen);
}

std::size_t StripHistory::Bytes() const { return blocks_.size() * sizeof(Block); }

}  // namespace instruments
