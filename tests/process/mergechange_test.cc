// The largest relative change a merge makes to a value: each merged row
// against the row that finally takes it, small values as the merge's
// equality takes them; and the merge itself unchanged when it is asked for.
#include <gtest/gtest.h>

#include <vector>

#include "process/propertymerging.h"
#include "process/realvec.h"
#include "support/testio.h"

namespace velkan {
namespace {

using Ints = std::vector<std::int32_t>;

TEST(MergeChange, AgainstTheRowThatSurvives) {
  const struct Case {
    const char* name;
    std::int32_t width;
    std::vector<double> rows;
    Ints imap;
    double change;
  } cases[] = {
      {"nothing merged", 2, {1, 2, 3, 4}, {0, 0}, 0},
      {"equal rows", 2, {1, 2, 1, 2}, {0, 1}, 0},
      {"a value 3E-7 above its survivor's",
       2,
       {10, 5, 10 * (1 + 3e-7), 5},
       {0, 1},
       3e-7 / (1 + 3e-7)},
      {"the largest of two values", 2, {1, 1, 1 + 2e-7, 1 - 6e-7}, {0, 1}, 6e-7 / (1 - 6e-7)},
      // Row 3 is merged into row 2, which is merged into row 1: row 3 ends on
      // row 1 and changes by both steps.
      {"a chain", 1, {1.0, 1 + 8e-7, 1 + 1.6e-6}, {0, 1, 2}, 1.6e-6 / (1 + 1.6e-6)},
      {"below 1E-99 is 0", 1, {0, 1e-100}, {0, 1}, 0},
  };
  for (Case c : cases) {
    SCOPED_TRACE(c.name);
    const double change = largest_merge_change(test::reals(c.rows), c.width,
                                               static_cast<std::int32_t>(c.imap.size()), c.imap);
    EXPECT_NEAR(change, c.change, 1e-15);
  }
}

TEST(MergeChange, NotedWithoutChangingTheMerge) {
  std::vector<double> with{1, 2, 1 + 4e-7, 2, 5, 6}, without = with;
  Ints melpr_a{1, 2, 3}, melpr_b = melpr_a, typ_a{1, 1, 1}, typ_b = typ_a, ext_a{1, 2, 3},
                         ext_b = ext_a;
  Ints imap(3), iscr(3);
  test::TestIo io_a, io_b;
  std::int32_t npr_a = 3, npr_b = 3, status = 0;
  double change = -1;
  ShriPrp01(io_a.units, test::reals(with), 2, npr_a, 1e-6, 3, melpr_a, typ_a, ext_a, imap, iscr, 17,
            status, &change);
  ShriPrp01(io_b.units, test::reals(without), 2, npr_b, 1e-6, 3, melpr_b, typ_b, ext_b, imap, iscr,
            17, status);
  EXPECT_NEAR(change, 4e-7 / (1 + 4e-7), 1e-15);
  EXPECT_EQ(with, without);
  EXPECT_EQ(npr_a, npr_b);
  EXPECT_EQ(melpr_a, melpr_b);
  EXPECT_EQ(io_a.out.str(), io_b.out.str());
}

}  // namespace
}  // namespace velkan
