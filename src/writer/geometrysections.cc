// Cross-section and surface-geometry sections: the counting check and the
// record groups in their order, shared by both writers.
// Routines: UWRGEO, UWRSGe.
#include "writer/geometrysections.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "writer/conventions.h"
#include "writer/geometryrecords.h"
#include "writer/grouporder.h"
#include "writer/modelread.h"

namespace velkan {
namespace {

struct GeometryTables {
  GeometrySection section;
  std::string_view routine;
  std::string_view warning;
  std::int32_t count;
  std::int32_t row_length;
  ConstIntSpan external;
  ConstIntSpan types;
  RealSpan rows;
};

void write_section(Units& io, const GeometryTables& t, IntSpan MSCRA, IntSpan MSORT, int unit,
                   std::int32_t& status) {
  std::array<std::vector<std::int32_t>, std::size(kGeometryCodes)> members;
  std::int64_t known = 0;
  for (std::int32_t i = 1; i <= t.count; ++i) {
    const std::int32_t code = entry_or_zero(t.types, i);
    if (!is_geometry_code(t.section, code)) continue;
    ++known;
    for (std::size_t g = 0; g < members.size(); ++g) {
      if (kGeometryCodes[g] == code) members[g].push_back(i);
    }
  }
  if (known != std::max(t.count, 0)) io.write(unit, t.warning);

  const RealRows rows(t.rows, t.row_length);
  const FirstPositions first(leading(t.external, t.count));
  for (std::size_t g = 0; g < members.size(); ++g) {
    if (members[g].empty()) continue;
    const std::int32_t code = kGeometryCodes[g];
    write_geometry_header(io, unit, t.section, code);
    // Pipes are ranked by an order list that passes over numbers of 0.
    const Ranking ranking = code == 1 ? Ranking::kOrderListSkip : Ranking::kPlaceByPlace;
    const GroupOrder order = order_group(members[g], t.external, first, ranking, MSCRA, MSORT);
    for (const std::int32_t i : order.items) {
      write_geometry(io, unit, t.section, code, entry_or_zero(t.external, i), rows, i);
    }
    if (order.failed) return write_failure(io, unit, t.routine, status);
  }
}

}  // namespace

void UWRGEO(Units& io, std::int32_t NGE, std::int32_t MXGEPR, ConstIntSpan MEXGEO,
            ConstIntSpan MGETYP, RealSpan TCRGEO, IntSpan MSCRA, IntSpan MSORT, int unit,
            std::int32_t& status) {
  const GeometryTables t{GeometrySection::kCrossSections,
                         "UWRGEO",
                         " WARNING from UWRGEO: Geometries missing ! ",
                         NGE,
                         MXGEPR,
                         MEXGEO,
                         MGETYP,
                         TCRGEO};
  write_section(io, t, MSCRA, MSORT, unit, status);
}

void UWRSGe(Units& io, std::int32_t NSG, std::int32_t MXGEPR, ConstIntSpan MEXBCK,
            ConstIntSpan MSUTYP, RealSpan TSUGEO, IntSpan MSCRA, IntSpan MSORT, int unit,
            std::int32_t& status) {
  const GeometryTables t{GeometrySection::kSurfaces,
                         "UWRSGe",
                         " WARNING from UWRSGe: Geometries missing ! ",
                         NSG,
                         MXGEPR,
                         MEXBCK,
                         MSUTYP,
                         TSUGEO};
  write_section(io, t, MSCRA, MSORT, unit, status);
}

}  // namespace velkan
