#pragma once

#include <cstdint>

namespace mirt2 {

// Which of the bank's twelve texts an operation changed, so that the window sets
// only the labels whose text differs from what they show.
class ChangedTexts {
 public:
  [[nodiscard]] bool StrJikan() const { return (bits_ & kStrJikanBit) != 0; }
  [[nodiscard]] bool ImaJikan() const { return (bits_ & kImaJikanBit) != 0; }
  // i: stopwatch number 1 to 10.
  [[nodiscard]] bool Jikan(int i) const { return (bits_ & JikanBit(i)) != 0; }
  [[nodiscard]] bool Empty() const { return bits_ == 0; }
  [[nodiscard]] int Count() const;

  void MarkStrJikan() { bits_ |= kStrJikanBit; }
  void MarkImaJikan() { bits_ |= kImaJikanBit; }
  void MarkJikan(int i) { bits_ |= JikanBit(i); }
  ChangedTexts& operator|=(ChangedTexts other) {
    bits_ |= other.bits_;
    return *this;
  }

  friend bool operator==(ChangedTexts, ChangedTexts) = default;

 private:
  static constexpr std::uint16_t kStrJikanBit = 1U << 0U;
  static constexpr std::uint16_t kImaJikanBit = 1U << 1U;
  static constexpr std::uint16_t JikanBit(int i) {
    return static_cast<std::uint16_t>(1U << (1 + i));
  }

  std::uint16_t bits_ = 0;
};

inline int ChangedTexts::Count() const {
  int n = 0;
  for (unsigned b = bits_; b != 0; b &= b - 1) ++n;
  return n;
}

}  // namespace mirt2
