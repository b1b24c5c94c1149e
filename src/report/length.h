#pragma once

#include <compare>

namespace velinda {

// A length on paper. Built only from a named unit, so millimetres, layout
// units and device dots never meet as bare numbers.
class Length {
 public:
  constexpr Length() = default;

  static constexpr Length mm(double millimetres) { return Length(millimetres); }
  // The unit the summary layout was drawn in: 1/96 inch.
  static constexpr Length layoutUnits(double units) { return Length(units * kMmPerInch / 96.0); }

  constexpr double toMm() const { return mm_; }
  // Device dots at a resolution in dots per inch.
  constexpr double toDots(double dotsPerInch) const { return mm_ * dotsPerInch / kMmPerInch; }

  constexpr Length operator+(Length other) const { return Length(mm_ + other.mm_); }
  constexpr Length operator-(Length other) const { return Length(mm_ - other.mm_); }
  constexpr Length operator-() const { return Length(-mm_); }
  constexpr Length operator*(double factor) const { return Length(mm_ * factor); }
  constexpr double operator/(Length other) const { return mm_ / other.mm_; }
  constexpr Length& operator+=(Length other) {
    mm_ += other.mm_;
    return *this;
  }
  constexpr Length& operator-=(Length other) {
    mm_ -= other.mm_;
    return *this;
  }
  constexpr auto operator<=>(const Length&) const = default;

 private:
  static constexpr double kMmPerInch = 25.4;
  constexpr explicit Length(double millimetres) : mm_(millimetres) {}
  double mm_ = 0.0;
};

constexpr Length operator*(double factor, Length length) { return length * factor; }

constexpr Length operator""_mm(long double millimetres) {
  return Length::mm(static_cast<double>(millimetres));
}
constexpr Length operator""_mm(unsigned long long millimetres) {
  return Length::mm(static_cast<double>(millimetres));
}

// A box on paper: left and top corner, width and height.
struct BoxGeometry {
  Length left;
  Length top;
  Length width;
  Length height;

  constexpr Length right() const { return left + width; }
  constexpr Length bottom() const { return top + height; }
  constexpr BoxGeometry movedBy(Length dx, Length dy) const {
    return {left + dx, top + dy, width, height};
  }
  constexpr bool operator==(const BoxGeometry&) const = default;
};

}  // namespace velinda
