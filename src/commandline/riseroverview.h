// The risers of a listing at a glance (velkan --risers LISTING): per riser its
// ends, size, length, depth and hinge elements with the --coarsen text to
// start from; the elements on no riser and why; the model's counts; and per
// property and result table whether the listing has it and how many elements
// have no row in it. Read as a conversion reads the listing, without a word of
// the readers on the console and without a file written.
#pragma once

#include <ostream>
#include <string_view>

namespace velkan {

// Writes the overview of the listing on `out` and returns 0; returns 1 with
// one line saying why (and nothing else) when the listing cannot be opened or
// read, is cut short or changes while it is read, or has no elements.
int show_risers(std::string_view listing, std::ostream& out);

}  // namespace velkan
