// Sea-bed numbers: the usual offsets where they are free, the larger ones when
// an element or material number in use, another sea-bed number or 32 bits
// stand in the way, and the lines that say so.
#include "writer/seabednumbers.h"

#include <gtest/gtest.h>

#include <vector>

namespace velkan {
namespace {

using Ints = std::vector<std::int32_t>;

struct NumberCase {
  const char* name;
  Ints nodes, elements, materials;
  std::int64_t scale;  // of the numbering chosen; 0 when none is free
  std::string clash;
};

TEST(SeabedNumbers, TheFirstFreeNumberingIsChosen) {
  const std::vector<NumberCase> cases = {
      // clang-format off
      {"all free", {17, 113}, {1, 2, 8800016, 9900018}, {1, 10003, 880001}, 1, ""},
      {"an element is a spring", {17, 113}, {1, 9900113}, {1}, 10, "element 9900113 is in use"},
      {"a material is a curve", {17}, {1}, {1, 8800017}, 10, "material 8800017 is in use"},
      {"a material is a spring reference", {17}, {1}, {9900017}, 10, "material 9900017 is in use"},
      {"an element is the shared curve", {}, {880000}, {1}, 10, "element 880000 is in use"},
      {"a spring is the curve of a later node", {113, 1100113}, {1}, {1}, 10,
       "spring 9900113 of node 113 is the curve of node 1100113"},
      {"a curve is the spring of a later node", {1100113, 113}, {1}, {1}, 10,
       "curve 9900113 of node 1100113 is the spring of node 113"},
      {"a curve is the shared curve", {-7920000}, {1}, {1}, 10,
       "curve 880000 of node -7920000 is the shared curve"},
      {"the first two numberings in use", {113}, {9900113, 99000113}, {1}, 100,
       "element 9900113 is in use"},
      {"every numbering in use", {113}, {9900113, 99000113}, {990000113}, 0,
       "element 9900113 is in use"},
      {"the last numbering beyond 32 bits", {2000000000}, {2009900000, 2099000000}, {1}, 0,
       "element 2009900000 is in use"},
      {"a spring beyond 32 bits", {5, 2147483000}, {1}, {1}, 0,
       "node 2147483000 gives 2157383000, beyond 32 bits"},
      {"a node twice on the sea bed", {17, 18, 17}, {1}, {1}, 0, "node 17 is on the sea bed twice"},
      // clang-format on
  };
  for (const NumberCase& c : cases) {
    SCOPED_TRACE(c.name);
    const SeabedNumberChoice choice = choose_seabed_numbers(c.nodes, c.elements, c.materials);
    EXPECT_EQ(choice.clash, c.clash);
    EXPECT_EQ(choice.free, c.scale != 0);
    if (c.scale == 0) continue;
    EXPECT_EQ(choice.numbering.spring_offset, 9900000 * c.scale);
    EXPECT_EQ(choice.numbering.curve_offset, 8800000 * c.scale);
    EXPECT_EQ(choice.numbering.shared_curve, 880000 * c.scale);
  }
}

TEST(SeabedNumbers, TheNoteSaysWhereTheNumbersWentOrThatNoneWereFree) {
  const Ints nodes = {113};
  const Ints none;
  EXPECT_EQ(seabed_numbers_note(choose_seabed_numbers(nodes, Ints{1}, none)), "");
  EXPECT_EQ(seabed_numbers_note(choose_seabed_numbers(nodes, Ints{9900113}, none)),
            " *** Sea-bed numbers moved to 99000000 + node and 88000000 + node, the shared curve "
            "to 8800000: element 9900113 is in use.");
  EXPECT_EQ(seabed_numbers_note(choose_seabed_numbers(nodes, Ints{9900113, 99000113}, none)),
            " *** Sea-bed numbers moved to 990000000 + node and 880000000 + node, the shared "
            "curve to 88000000: element 9900113 is in use.");
  EXPECT_EQ(
      seabed_numbers_note(choose_seabed_numbers(nodes, Ints{9900113, 99000113, 990000113}, none)),
      " *** Sea-bed model not written: no free numbers at 9900000, 99000000 or 990000000 "
      "+ node (element 9900113 is in use).");
}

}  // namespace
}  // namespace velkan
