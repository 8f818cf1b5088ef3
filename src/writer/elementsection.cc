// Element section of the Vomar model file: the counting check, the choice
// between the narrow and the wide layout, and the record groups in their order.
// Routines: UWRELM.
#include "writer/elementsection.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "writer/conventions.h"
#include "writer/elementfields.h"
#include "writer/elementrecords.h"
#include "writer/grouporder.h"
#include "writer/modelread.h"

namespace velkan {
namespace {

constexpr std::string_view kBeamCaption =
    "'            Elem ID     np1      np2   material   geom    lcoor    ecc1    ecc2";
constexpr std::string_view kQuadCaption =
    "'            Elem ID     np1      np2      np3      np4    mater   geom      ec1    ec2    ec3"
    "    ec4 ";
constexpr std::string_view kTriCaption =
    "'            Elem ID    np1     np2     np3  mater geom ec1 ec2 ec3 ";

struct ElementGroup {
  ElementKind kind;
  std::array<std::int32_t, 2> codes;  // a second code of 0 means none
  std::array<std::string_view, 3> header;
};

// The groups in the order they are written.
constexpr std::array<ElementGroup, 12> kGroups{{
    {ElementKind::kBeam, {15, 0}, {"'", kBeamCaption, {}}},
    {ElementKind::kZeroLengthBeam,
     {-15, 0},
     {"'", "' *** Warning ! Beams with Zero Length ****", kBeamCaption}},
    {ElementKind::kSpring,
     {18, 48},
     {"'", "'            Elem ID     np1   material    lcoor   ecc1  ", {}}},
    {ElementKind::kMembrane, {9, 0}, {"'", kQuadCaption, {}}},
    {ElementKind::kQuadShell, {24, 0}, {"'", kQuadCaption, {}}},
    {ElementKind::kQuadShellCorner, {28, 0}, {"'", kQuadCaption, {}}},
    {ElementKind::kTriShell, {25, 0}, {"'", kTriCaption, {}}},
    {ElementKind::kTriShell, {26, 0}, {"'", kTriCaption, {}}},
    {ElementKind::kSolid,
     {21, 0},
     {"'", "'       Elem ID     np1    np2    np3    np4    np5    np6    np7    np8   mater", {}}},
    {ElementKind::kSuperElement,
     {70, 0},
     {"'", "'            Elem ID     nnod       np1 .... np_nnod", {}}},
    {ElementKind::kBuoy,
     {101, 0},
     {"'", "'            Elem ID     np1   material    Geo           ", {}}},
    {ElementKind::kBuoy4,
     {104, 0},
     {"'", "'            Elem ID     np1      np2      np3      np4      mater   geom ", {}}},
}};

// Codes of the counting check. Zero-length beams (-15) are not among them.
constexpr std::array<std::int32_t, 13> kCountedCodes{15, 18, 48, 9,    24,  25, 26,
                                                     28, 21, 70, 9999, 101, 104};

constexpr std::int64_t kNarrowIdLimit = 99'999'999;
constexpr std::int64_t kNarrowRefLimit = 999'999;

bool is_counted(std::int32_t code) {
  return std::find(kCountedCodes.begin(), kCountedCodes.end(), code) != kCountedCodes.end();
}

int group_of(std::int32_t code) {
  for (std::size_t g = 0; g < kGroups.size(); ++g) {
    const auto& c = kGroups[g].codes;
    if (code == c[0] || (c[1] != 0 && code == c[1])) return static_cast<int>(g);
  }
  return -1;
}

bool needs_wide(const ElementFields& f, std::int32_t e) {
  if (f.id(e) > kNarrowIdLimit) return true;
  const NodeRange r = f.held_nodes(e);
  for (std::int64_t pos = r.lo; pos < r.hi; ++pos) {
    if (f.node_at(pos) > kNarrowIdLimit) return true;
    const auto slot = static_cast<std::int32_t>(pos - r.lo);
    if (f.has_ecc_index(e, slot) && f.ecc(e, slot) > kNarrowRefLimit) return true;
  }
  const ElementArrays& a = f.arrays();
  return (f.has_index(a.MELMAT, e) && f.material(e) > kNarrowRefLimit) ||
         (f.has_index(a.MELGEO, e) && f.geom(e) > kNarrowRefLimit) ||
         (f.has_index(a.MELLOC, e) && f.lcoor(e) > kNarrowRefLimit);
}

// The wide layout is used for the whole section when any element needs it.
bool section_is_wide(const ElementFields& f, std::int32_t NEL) {
  for (std::int32_t e = 1; e <= NEL; ++e) {
    if (needs_wide(f, e)) return true;
  }
  return false;
}

void write_header_lines(Units& io, int unit, const ElementGroup& g) {
  for (const std::string_view line : g.header) {
    if (!line.empty()) io.write(unit, line);
  }
}

}  // namespace

void UWRELM(Units& io, std::int32_t NEL, ConstIntSpan MELTYP, ConstIntSpan MELMAT,
            ConstIntSpan MELGEO, ConstIntSpan MELECC, ConstIntSpan MELLOC, ConstIntSpan MNPC,
            ConstIntSpan MPMNPC, ConstIntSpan MELEX, ConstIntSpan MNPEX, ConstIntSpan MEXGEO,
            ConstIntSpan MEXMAT, ConstIntSpan MEXECC, ConstIntSpan MEXLOC, IntSpan MSCRA,
            IntSpan MSORT, ConstIntSpan MEXTRA, int unit, std::int32_t& status) {
  const ElementFields f({MELTYP, MELMAT, MELGEO, MELECC, MELLOC, MNPC, MPMNPC, MELEX, MNPEX, MEXGEO,
                         MEXMAT, MEXECC, MEXLOC, MEXTRA});
  std::vector<std::vector<std::int32_t>> members(kGroups.size());
  std::int64_t counted = 0;
  for (std::int32_t e = 1; e <= NEL; ++e) {
    const std::int32_t code = f.code(e);
    if (is_counted(code)) ++counted;
    const int g = group_of(code);
    if (g >= 0) members[static_cast<std::size_t>(g)].push_back(e);
  }
  if (counted != std::max(NEL, 0)) {
    io.newline(unit);
    io.write(unit, "#  WARNING from UWRELM: Elements missing !");
    io.newline(unit);
  }
  const bool wide = section_is_wide(f, NEL);
  const FirstPositions first(leading(MELEX, NEL));
  for (std::size_t g = 0; g < kGroups.size(); ++g) {
    const ElementGroup& group = kGroups[g];
    const std::vector<std::int32_t>& in_store_order = members[g];
    if (in_store_order.empty()) continue;
    write_header_lines(io, unit, group);
    if (group.kind == ElementKind::kSuperElement) {
      for (const std::int32_t e : in_store_order) write_element(io, unit, group.kind, f, e, wide);
      continue;
    }
    const GroupOrder order =
        order_group(in_store_order, MELEX, first, Ranking::kOrderList, MSCRA, MSORT);
    for (const std::int32_t e : order.items) write_element(io, unit, group.kind, f, e, wide);
    if (order.failed) return write_failure(io, unit, "UWRELM", status);
  }
}

}  // namespace velkan
