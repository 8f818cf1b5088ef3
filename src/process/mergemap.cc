// The merge map (MKPMAP). The plain definition compares every pair of rows; the map
// is made instead from groups of identical rows and the row index, which give
// the same answer: IMAP(j) is the lowest row equal to row j when that row lies
// below j.
#include "process/mergemap.h"

#include <algorithm>

#include "process/relativeequality.h"
#include "process/rowgroups.h"
#include "process/rowindex.h"

namespace velkan {

void merge_map_pairwise(RealSpan prop, std::int32_t mxpr, std::int32_t npr, double tol,
                        IntSpan imap) {
  const std::size_t n = npr > 0 ? static_cast<std::size_t>(npr) : 0;
  std::fill_n(imap.begin(), n, 0);
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = i + 1; j < n; ++j) {
      if (imap[j] == 0 && rows_equal(prop, mxpr, i, j, tol))
        imap[j] = static_cast<std::int32_t>(i + 1);
    }
  }
}

bool MKPMAP(RealSpan PROP, std::int32_t MXPR, std::int32_t NPR, double TOL, IntSpan IMAP) {
  if (!(TOL > 0.0) || MXPR < 0) return false;
  const std::size_t n = NPR > 0 ? static_cast<std::size_t>(NPR) : 0;
  const std::size_t width = static_cast<std::size_t>(MXPR);
  if (IMAP.size() < n || (width > 0 && PROP.size() / width < n)) return false;
  if (width == 0) {  // rows without values are all equal: everything merges into row 1
    for (std::size_t j = 0; j < n; ++j) IMAP[j] = j == 0 ? 0 : 1;
    return true;
  }
  if (TOL >= kIndexedTolLimit) {
    merge_map_pairwise(PROP, MXPR, NPR, TOL, IMAP);
    return true;
  }
  const RowGroups groups = group_identical_rows(PROP, width, n);
  const std::vector<std::uint32_t> best = lowest_equal_rows(PROP, width, groups, TOL);
  for (std::size_t j = 0; j < n; ++j) {
    const std::uint32_t target = best[groups.group_of[j]];
    IMAP[j] = target < j ? static_cast<std::int32_t>(target + 1) : 0;
  }
  return true;
}

}  // namespace velkan
