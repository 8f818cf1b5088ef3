// Named arrays as views.
#include "store/arrayviews.h"

#include <algorithm>

#include "store/arraybooking.h"
#include "store/arraylookup.h"
#include "store/dmsnames.h"

namespace velkan {
namespace {

std::int32_t found(Units& io, WorkArray& wa, std::string_view name, std::int32_t lpu,
                   std::int32_t& status, std::int64_t& count) {
  const std::int32_t before = status;
  const std::int32_t pos = ARGTIP(io, wa, name, lpu, status);
  count = DMSAIN(io, wa, name, 1);
  return status == before && count >= 0 ? pos : 0;
}

}  // namespace

std::int32_t book_array(Units& io, WorkArray& wa, std::string_view name, std::int64_t count,
                        std::string_view type, std::string_view dtype, std::int32_t lpu,
                        std::int32_t& status, Preparation pages) {
  const std::int32_t before = status;
  std::int32_t pos = 0;
  if (pages == Preparation::kAsReached) {
    book_unprepared(io, wa, name, pos, count, type, dtype, lpu, status);
  } else {
    ARBOOK(io, wa, name, pos, count, type, dtype, lpu, status);
  }
  return status == before ? pos : 0;
}

IntSpan int_view(WorkArray& wa, std::int32_t pos, std::int64_t count) {
  return pos > 0 ? wa.ints(pos, count) : IntSpan{};
}

RealSpan real_view(WorkArray& wa, std::int32_t pos, std::int64_t count) {
  return pos > 0 ? wa.reals(pos, count) : RealSpan{};
}

IntSpan book_ints(Units& io, WorkArray& wa, std::string_view name, std::int64_t count,
                  std::string_view type, std::int32_t lpu, std::int32_t& status) {
  return int_view(wa, book_array(io, wa, name, count, type, "IN", lpu, status), count);
}

RealSpan book_reals(Units& io, WorkArray& wa, std::string_view name, std::int64_t count,
                    std::string_view type, std::int32_t lpu, std::int32_t& status) {
  return real_view(wa, book_array(io, wa, name, count, type, "RE", lpu, status), count);
}

IntSpan find_ints(Units& io, WorkArray& wa, std::string_view name, std::int32_t lpu,
                  std::int32_t& status) {
  std::int64_t count = 0;
  const std::int32_t pos = found(io, wa, name, lpu, status, count);
  return pos > 0 ? wa.ints(pos, count) : IntSpan{};
}

RealSpan find_reals(Units& io, WorkArray& wa, std::string_view name, std::int32_t lpu,
                    std::int32_t& status) {
  std::int64_t count = 0;
  const std::int32_t pos = found(io, wa, name, lpu, status, count);
  return pos > 0 ? wa.reals(pos, count) : RealSpan{};
}

RealSpan find_leading_reals(Units& io, WorkArray& wa, std::string_view name, std::int64_t count,
                            std::int32_t lpu, std::int32_t& status) {
  std::int64_t booked = 0;
  const std::int32_t pos = found(io, wa, name, lpu, status, booked);
  return pos > 0 ? wa.reals(pos, std::clamp<std::int64_t>(count, 0, booked)) : RealSpan{};
}

}  // namespace velkan
