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
  // are more than maxPoints, the span is cut into maxPoints / 2 equal slices and
  // each slice gives its lowest and highest point in time order, so peaks stay,
  // and the last point of the span ends the line.
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

  std::size_t capacity_;
  std::deque<std::unique_ptr<Block>> blocks_;
  std::size_t size_ = 0;
};

}  // namespace instruments
