// Numbers of the sea-bed model: the spring element of each sea-bed node with
// its spring references, the node's curve and time-dependent material, and the
// curve all springs share, chosen clear of the element and material numbers
// the rest of the model file uses.
#pragma once

#include <cstdint>
#include <string>

#include "store/realspan.h"

namespace velkan {

// A sea-bed node n gets the spring number spring_offset + n (the spring
// element and its spring references) and the curve number curve_offset + n
// (its curve and its time-dependent material); shared_curve is the curve
// every spring reference names third.
struct SeabedNumbering {
  std::int64_t spring_offset = 9'900'000;
  std::int64_t curve_offset = 8'800'000;
  std::int64_t shared_curve = 880'000;
};

struct SeabedNumberChoice {
  bool free = true;           // false: every numbering tried clashes
  SeabedNumbering numbering;  // the first numbering tried that is free
  std::string clash;          // the first clash of the usual numbering; "" when it is free
};

// Tries the usual numbering, then the same numbers times 10 and times 100
// (offsets and shared curve alike), and takes the first that is free: no
// sea-bed number is an element or material number in use, none equals another
// sea-bed number, and all fit 32 bits. NODES are the sea-bed nodes' numbers,
// ELEMENTS and MATERIALS the numbers in use.
SeabedNumberChoice choose_seabed_numbers(ConstIntSpan nodes, ConstIntSpan elements,
                                         ConstIntSpan materials);

// The line that says where the sea-bed numbers moved and why, or that no
// numbering was free; "" for the usual numbering.
std::string seabed_numbers_note(const SeabedNumberChoice& choice);

}  // namespace velkan
