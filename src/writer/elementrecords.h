// The record layouts of the element section, one per element kind, in the
// narrow layout (the default) and, where a kind has one, the wide layout of
// ten-character fields.
#pragma once

#include <cstdint>

#include "platform/units.h"
#include "writer/elementfields.h"

namespace velkan {

enum class ElementKind {
  kBeam,             // code 15
  kZeroLengthBeam,   // code -15, written as a comment record
  kSpring,           // codes 18 and 48, spring to ground
  kMembrane,         // code 9
  kQuadShell,        // code 24
  kQuadShellCorner,  // code 28, corner nodes at list slots 1, 3, 5 and 7
  kTriShell,         // codes 25 and 26
  kSolid,            // code 21
  kSuperElement,     // code 70
  kBuoy,             // code 101
  kBuoy4,            // code 104
};

// Writes the record of element `e` (store position, from 1).
void write_element(Units& io, int unit, ElementKind kind, const ElementFields& f, std::int32_t e,
                   bool wide);

}  // namespace velkan
