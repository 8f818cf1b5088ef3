// Views of arrays inside the work array. Integer arrays are std::span<int32_t>;
// real arrays are 8-byte reals stored over pairs of 32-bit words, read and
// written through memcpy so that the same storage may be seen both ways.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

namespace velkan {

using IntSpan = std::span<std::int32_t>;
using ConstIntSpan = std::span<const std::int32_t>;

// The first n entries of a span (fewer when it is shorter; none for n < 0).
template <typename T>
std::span<T> leading(std::span<T> s, std::int64_t n) {
  if (n <= 0) return s.first(0);
  return s.first(static_cast<std::size_t>(n) < s.size() ? static_cast<std::size_t>(n) : s.size());
}

// One 8-byte real of a RealSpan, assignable like a double&.
class RealRef {
 public:
  explicit RealRef(std::byte* p) : p_(p) {}
  operator double() const {
    double v;
    std::memcpy(&v, p_, sizeof v);
    return v;
  }
  RealRef& operator=(double v) {
    std::memcpy(p_, &v, sizeof v);
    return *this;
  }
  RealRef& operator=(const RealRef& other) { return *this = static_cast<double>(other); }
  RealRef& operator+=(double v) { return *this = static_cast<double>(*this) + v; }

 private:
  std::byte* p_;
};

// A run of 8-byte reals, indexed from 0.
class RealSpan {
 public:
  RealSpan() = default;
  RealSpan(std::byte* base, std::size_t count) : base_(base), n_(count) {}

  std::size_t size() const { return n_; }
  bool empty() const { return n_ == 0; }
  double get(std::size_t i) const {
    double v;
    std::memcpy(&v, base_ + i * sizeof(double), sizeof v);
    return v;
  }
  void set(std::size_t i, double v) { std::memcpy(base_ + i * sizeof(double), &v, sizeof v); }
  RealRef operator[](std::size_t i) const { return RealRef(base_ + i * sizeof(double)); }
  // Reals first .. first+count-1 of this span.
  RealSpan subspan(std::size_t first, std::size_t count) const {
    return RealSpan(base_ + first * sizeof(double), count);
  }
  void fill(double v) {
    for (std::size_t i = 0; i < n_; ++i) set(i, v);
  }

 private:
  std::byte* base_ = nullptr;
  std::size_t n_ = 0;
};

}  // namespace velkan
