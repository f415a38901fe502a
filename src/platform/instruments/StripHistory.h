#pragma once
// The points of one strip-chart channel: at least a fixed number of the newest
// points, each a time in milliseconds and a value, about six bytes a point.
// Plain C++, no widgets.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

namespace instruments {

struct StripPoint {
  int64_t ms = 0;
  float value = 0;
};

class StripHistory {
 public:
  // Points are kept in blocks; the oldest block goes once the others hold the capacity.
  static constexpr std::size_t kBlockPoints = 256;

  explicit StripHistory(std::size_t capacity);
  ~StripHistory();
  StripHistory(StripHistory&&) noexcept;
  StripHistory& operator=(StripHistory&&) noexcept;

  // Adds the newest point. Times never run backwards: an earlier time is taken
  // as the newest time so far.
  void Append(int64_t ms, float value);

  std::size_t Size() const { return size_; }  // from the capacity up to a block more
  bool Empty() const { return size_ == 0; }
  StripPoint At(std::size_t i) const;  // 0 is the oldest
  StripPoint Newest() const;

  // The position of the first point at or after ms (Size() when there is none).
  std::size_t FirstAtOrAfter(int64_t ms) const;

  // The points a chart needs to draw the span [from, to]: the last point before
  // the span (so the line enters at the edge), then the points in it. When they
  // are more than maxPoints, time is cut into slices of a whole number of
  // milliseconds, counted from time 0, about maxPoints / 4 of them over the
  // span (each gives up to three points); each slice that reaches into the span gives its lowest and highest
  // point in time order, so peaks stay, and its first point that is not
  // finite, so a break in the line stays; the last point before the first such
  // slice leads in, and the last point of the span ends the line. A slice
  // older than the newest point never changes again, so what it gave is kept
  // for the next call with the same slices: a chart showing the whole hour
  // looks only at the points that are new.
  void Visible(int64_t from, int64_t to, std::size_t maxPoints, std::vector<StripPoint>& out) const;

  std::size_t Bytes() const;  // held for the points

 private:
  // A block's times are milliseconds after its own base, two bytes each; a
  // point more than a minute after the base starts a new block.
  struct Block {
    int64_t base = 0;
    std::size_t count = 0;
    uint16_t dt[kBlockPoints];
    float value[kBlockPoints];
    StripPoint Point(std::size_t k) const { return {base + dt[k], value[k]}; }
  };
  template <typename Visit>
  void ForRange(std::size_t first, std::size_t end, Visit visit) const;

  // What one slice gives: up to three points in time order.
  struct Slice {
    StripPoint points[3];
    int count = 0;
  };
  // Slices first, first + 1, ... of the given width, each older than the newest point when made.
  struct SliceCache {
    int64_t width = 0;
    int64_t first = 0;
    std::deque<Slice> slices;
  };
  void Thin(int64_t from, int64_t to, std::size_t slices, std::vector<StripPoint>& out) const;
  // The slices from slice `first` up to and including slice `last`, worked
  // out from the points up to time `to`.
  void MakeSlices(int64_t width, int64_t first, int64_t last, int64_t to, std::vector<Slice>& made) const;

  std::size_t capacity_;
  std::deque<std::unique_ptr<Block>> blocks_;
  std::size_t size_ = 0;
  mutable SliceCache cache_;
};

}  // namespace instruments
