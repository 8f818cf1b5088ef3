// Material section: the counting check and the record groups in their order.
// Routines: UWRMAT.
#include "writer/materialsection.h"

#include <algorithm>
#include <array>
#include <vector>

#include "writer/conventions.h"
#include "writer/grouporder.h"
#include "writer/materialrecords.h"
#include "writer/modelread.h"

namespace velkan {

void UWRMAT(Units& io, std::int32_t NMA, std::int32_t MXMAPR, ConstIntSpan MEXMAT,
            ConstIntSpan MATYP, RealSpan TMAPA, IntSpan MSCRA, int unit, std::int32_t& status) {
  std::array<std::vector<std::int32_t>, std::size(kMaterialCodes)> members;
  std::int64_t known = 0;
  for (std::int32_t i = 1; i <= NMA; ++i) {
    const std::int32_t code = entry_or_zero(MATYP, i);
    for (std::size_t g = 0; g < members.size(); ++g) {
      if (kMaterialCodes[g] != code) continue;
      members[g].push_back(i);
      ++known;
    }
  }
  if (known < NMA) io.write(unit, " WARNING from UWRMAT: Materials missing ! ");

  const ConstIntSpan numbers = leading(MEXMAT, NMA);
  const RealRows rows(TMAPA, MXMAPR);
  const FirstPositions first(numbers);
  for (std::size_t g = 0; g < members.size(); ++g) {
    if (members[g].empty()) continue;
    const std::int32_t code = kMaterialCodes[g];
    write_material_header(io, unit, code);
    const GroupOrder order =
        order_group(members[g], numbers, first, Ranking::kPlaceByPlace, MSCRA, IntSpan{});
    for (const std::int32_t i : order.items) {
      write_material(io, unit, code, entry_or_zero(numbers, i), rows, i, numbers);
    }
    if (order.failed) return write_failure(io, unit, "UWRMAT", status);
  }
}

}  // namespace velkan
