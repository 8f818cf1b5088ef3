// A RealSpan over a vector of doubles, for tests that hand model tables to the
// processing routines.
#pragma once

#include <cstddef>
#include <vector>

#include "store/realspan.h"

namespace velkan::test {

inline RealSpan reals(std::vector<double>& v) {
  return RealSpan(reinterpret_cast<std::byte*>(v.data()), v.size());
}

}  // namespace velkan::test
