// The field values of element records.
#include "writer/elementfields.h"

#include <algorithm>

#include "writer/modelread.h"

namespace velkan {

std::int32_t ElementFields::code(std::int32_t e) const {
  return entry_or_zero(a_.MELTYP, e);
}

std::int32_t ElementFields::id(std::int32_t e) const {
  return entry_or_zero(a_.MELEX, e);
}

NodeRange ElementFields::held_nodes(std::int32_t e) const {
  // Without the entry after the element's own, its list has no known end.
  if (!is_position(a_.MPMNPC, e) || !is_position(a_.MPMNPC, static_cast<std::int64_t>(e) + 1))
    return {};
  const std::int64_t first = entry_or_zero(a_.MPMNPC, e);
  const std::int64_t next = entry_or_zero(a_.MPMNPC, static_cast<std::int64_t>(e) + 1);
  if (first < 1) return {};
  const auto end_of_mnpc = static_cast<std::int64_t>(a_.MNPC.size()) + 1;
  return {first, std::min(next, end_of_mnpc)};
}

std::int64_t ElementFields::slot_position(std::int32_t e, std::int32_t slot) const {
  const NodeRange r = held_nodes(e);
  const std::int64_t pos = r.lo + slot;
  return slot >= 0 && pos < r.hi ? pos : 0;
}

std::int32_t ElementFields::node_at(std::int64_t pos) const {
  return external_or_zero(a_.MNPEX, entry_or_zero(a_.MNPC, pos));
}

std::int32_t ElementFields::node(std::int32_t e, std::int32_t slot) const {
  return node_at(slot_position(e, slot));
}

std::int32_t ElementFields::ecc(std::int32_t e, std::int32_t slot) const {
  return external_or_index(a_.MEXECC, entry_or_zero(a_.MELECC, slot_position(e, slot)));
}

bool ElementFields::has_ecc_index(std::int32_t e, std::int32_t slot) const {
  return entry_or_zero(a_.MELECC, slot_position(e, slot)) > 0;
}

std::int32_t ElementFields::material(std::int32_t e) const {
  return external_or_zero(a_.MEXMAT, entry_or_zero(a_.MELMAT, e));
}

std::int32_t ElementFields::material_or_index(std::int32_t e) const {
  return external_or_index(a_.MEXMAT, entry_or_zero(a_.MELMAT, e));
}

std::int32_t ElementFields::geom(std::int32_t e) const {
  return external_or_zero(a_.MEXGEO, entry_or_zero(a_.MELGEO, e));
}

std::int32_t ElementFields::lcoor(std::int32_t e) const {
  return external_or_index(a_.MEXLOC, entry_or_zero(a_.MELLOC, e));
}

std::int32_t ElementFields::transform(std::int32_t e) const {
  return external_or_index(a_.MEXTRA, entry_or_zero(a_.MELLOC, e));
}

bool ElementFields::has_index(ConstIntSpan index, std::int32_t e) const {
  return entry_or_zero(index, e) > 0;
}

}  // namespace velkan
