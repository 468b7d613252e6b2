#pragma once
// Pascal-style sets over a plain enumeration with ordinals below 64.

#include <cstdint>
#include <initializer_list>

template <typename E>
class TSet {
public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> items) {
    for (E e : items) bits_ |= bit(e);
  }

  constexpr bool Contains(E e) const { return (bits_ & bit(e)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr TSet& Include(E e) { bits_ |= bit(e); return *this; }
  constexpr TSet& Exclude(E e) { bits_ &= ~bit(e); return *this; }

  constexpr TSet operator+(TSet o) const { return FromBits(bits_ | o.bits_); }
  constexpr TSet operator-(TSet o) const { return FromBits(bits_ & ~o.bits_); }
  constexpr TSet operator*(TSet o) const { return FromBits(bits_ & o.bits_); }
  constexpr TSet& operator+=(TSet o) { bits_ |= o.bits_; return *this; }
  constexpr TSet& operator-=(TSet o) { bits_ &= ~o.bits_; return *this; }
  constexpr TSet& operator*=(TSet o) { bits_ &= o.bits_; return *this; }
  constexpr bool operator==(const TSet&) const = default;
  // a <= b: every member of a is in b.
  constexpr bool operator<=(TSet o) const { return (bits_ & ~o.bits_) == 0; }

  constexpr uint64_t Bits() const { return bits_; }
  static constexpr TSet FromBits(uint64_t b) { TSet s; s.bits_ = b; return s; }

private:
  static constexpr uint64_t bit(E e) { return uint64_t{1} << static_cast<unsigned>(e); }
  uint64_t bits_ = 0;
};
