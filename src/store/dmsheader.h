// Layout of the DMS book-keeping (the MCM) at the start of the work array, for
// the DMS routines only. Words outside the block read as 0 and are never
// written, so a corrupt header cannot lead outside the work array.
#pragma once

#include <cstdint>

#include "store/workarray.h"

namespace velkan::dms {

inline std::int32_t get(const WorkArray& wa, std::int64_t i) {
  return i >= 1 && i <= wa.size() ? wa.word(static_cast<std::int32_t>(i)) : 0;
}
inline void put(WorkArray& wa, std::int64_t i, std::int32_t v) {
  if (i >= 1 && i <= wa.size()) wa.word(static_cast<std::int32_t>(i)) = v;
}

// Header words.
inline constexpr int kErrors = 3;
inline constexpr int kPrintUnit = 4;
inline constexpr int kNotCleared = 5;
inline constexpr int kSlots = 6;
inline constexpr int kSecondary = 9;

inline std::int32_t slots(const WorkArray& wa) {
  return get(wa, kSlots);
}
// Header items kept in the system entries of column 3 (word 2M + item).
inline constexpr int kNextFree = 1;
inline constexpr int kSize = 2;
inline constexpr int kHighWater = 3;
inline constexpr int kNameTable = 5;
inline std::int64_t item_word(const WorkArray& wa, int item) {
  return static_cast<std::int64_t>(get(wa, 1)) + item;
}
inline std::int32_t item(const WorkArray& wa, int it) {
  return get(wa, item_word(wa, it));
}
inline void set_item(WorkArray& wa, int it, std::int32_t v) {
  put(wa, item_word(wa, it), v);
}

// Word i (1-based) of the name table; 0 when there is no name table.
inline std::int32_t table(const WorkArray& wa, std::int64_t i) {
  const std::int32_t nt = item(wa, kNameTable);
  return nt > 0 ? get(wa, nt + i - 1) : 0;
}
inline void set_table(WorkArray& wa, std::int64_t i, std::int32_t v) {
  const std::int32_t nt = item(wa, kNameTable);
  if (nt > 0) put(wa, nt + i - 1, v);
}

}  // namespace velkan::dms
