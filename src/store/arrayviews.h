// Named arrays as views: booking or finding an array by name and getting its
// elements as a span in one step.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/units.h"
#include "store/realspan.h"
#include "store/workarray.h"

namespace velkan {

// Books (or finds again) an integer / 8-byte real array of `count` elements.
// An empty span when the booking failed (the status says so).
IntSpan book_ints(Units& io, WorkArray& wa, std::string_view name, std::int64_t count,
                  std::string_view type, std::int32_t lpu, std::int32_t& status);
RealSpan book_reals(Units& io, WorkArray& wa, std::string_view name, std::int64_t count,
                    std::string_view type, std::int32_t lpu, std::int32_t& status);

// When the pages of a new array are prepared: all at once when it is booked, or
// only as views reach them (for an array of which only a part is used).
enum class Preparation { kAtBooking, kAsReached };

// Books (or finds again) an array without handing out a view of it: the
// position, or 0 when the booking failed (the status says so). An array that
// is cleared after booking and viewed only then never has its fresh pages
// written with zeros.
std::int32_t book_array(Units& io, WorkArray& wa, std::string_view name, std::int64_t count,
                        std::string_view type, std::string_view dtype, std::int32_t lpu,
                        std::int32_t& status, Preparation pages = Preparation::kAtBooking);
// Views of `count` elements of a booked array at `pos`; empty for position 0.
IntSpan int_view(WorkArray& wa, std::int32_t pos, std::int64_t count);
RealSpan real_view(WorkArray& wa, std::int32_t pos, std::int64_t count);

// A booked array by name, with its booked length.
IntSpan find_ints(Units& io, WorkArray& wa, std::string_view name, std::int32_t lpu,
                  std::int32_t& status);
RealSpan find_reals(Units& io, WorkArray& wa, std::string_view name, std::int32_t lpu,
                    std::int32_t& status);
// The first `count` elements of a booked array (all of them when it is
// shorter), for an array of which only the start is used: a view prepares
// the pages it reaches.
RealSpan find_leading_reals(Units& io, WorkArray& wa, std::string_view name, std::int64_t count,
                            std::int32_t lpu, std::int32_t& status);

}  // namespace velkan
