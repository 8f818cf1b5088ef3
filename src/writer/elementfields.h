// The field values of element records: external element, node, material,
// geometry, coordinate-system and eccentricity numbers, read from the model
// store's element arrays. An index that is 0, negative or beyond its array
// never reads outside it: node, material and geometry fields then hold 0,
// coordinate-system and eccentricity fields the index as it stands. A node
// slot beyond the element's own node list (as MPMNPC gives it) holds 0.
#pragma once

#include <cstdint>

#include "store/realspan.h"

namespace velkan {

struct ElementArrays {
  ConstIntSpan MELTYP, MELMAT, MELGEO, MELECC, MELLOC, MNPC, MPMNPC, MELEX, MNPEX;
  ConstIntSpan MEXGEO, MEXMAT, MEXECC, MEXLOC, MEXTRA;
};

// Positions [lo, hi) of MNPC (counted from 1) holding one element's nodes.
struct NodeRange {
  std::int64_t lo = 0;
  std::int64_t hi = 0;
  std::int64_t count() const { return hi > lo ? hi - lo : 0; }
};

class ElementFields {
 public:
  explicit ElementFields(const ElementArrays& a) : a_(a) {}

  std::int32_t code(std::int32_t e) const;
  std::int32_t id(std::int32_t e) const;
  // External number of the node at `slot` (0 = first) of the element's list.
  std::int32_t node(std::int32_t e, std::int32_t slot) const;
  // Eccentricity number at `slot` of the element's list (parallel to MNPC).
  std::int32_t ecc(std::int32_t e, std::int32_t slot) const;
  // Whether the eccentricity index at `slot` is positive.
  bool has_ecc_index(std::int32_t e, std::int32_t slot) const;
  std::int32_t material(std::int32_t e) const;
  // Material number of a positive index; any other index as it stands.
  std::int32_t material_or_index(std::int32_t e) const;
  std::int32_t geom(std::int32_t e) const;
  std::int32_t lcoor(std::int32_t e) const;      // through MEXLOC
  std::int32_t transform(std::int32_t e) const;  // through MEXTRA (springs to ground)
  bool has_index(ConstIntSpan index, std::int32_t e) const;
  const ElementArrays& arrays() const { return a_; }

  // The MNPC positions of the element's nodes that MNPC actually holds.
  NodeRange held_nodes(std::int32_t e) const;
  // External number of the node at MNPC position `pos`.
  std::int32_t node_at(std::int64_t pos) const;

 private:
  // MNPC position of `slot`, or 0 when the slot is not in the element's list.
  std::int64_t slot_position(std::int32_t e, std::int32_t slot) const;

  ElementArrays a_;
};

}  // namespace velkan
