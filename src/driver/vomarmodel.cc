// Finding and booking the arrays of a Vomar conversion.
#include "driver/vomarmodel.h"

#include <algorithm>

#include "listing/propertytables.h"
#include "process/propertybuilder.h"
#include "store/arraylookup.h"
#include "store/arrayviews.h"
#include "store/structurerecords.h"

namespace velkan {

bool find_model(Conversion& c, VomarModel& m) {
  std::int32_t status = 0;
  m.MSTRU = find_ints(c.io, c.wa, "MSTRU", LPU, status);
  m.MNPEX = find_ints(c.io, c.wa, "MNPEX", LPU, status);
  m.NBOUN = find_ints(c.io, c.wa, "NBOUN", LPU, status);
  m.TCOORD = find_reals(c.io, c.wa, "TCOORD", LPU, status);
  m.NNP = GTSTRU(c.io, m.MSTRU, "NNP", LPU, status);
  m.NEL = GTSTRU(c.io, m.MSTRU, "NEL", LPU, status);
  m.MXGEPR = c.mxgepr;
  m.MXMAPR = c.mxmapr;
  m.MSORT = book_ints(c.io, c.wa, "MSORT", std::max(m.NNP, m.NEL), "SCRA", LPU, status);
  if (status != 0) return false;
  m.MELEX = find_ints(c.io, c.wa, "MELEX", LPU, status);
  m.MNPC = find_ints(c.io, c.wa, "MNPC", LPU, status);
  m.MPMNPC = find_ints(c.io, c.wa, "MPMNPC", LPU, status);
  m.MHINGE = find_ints(c.io, c.wa, "MHINGE", LPU, status);
  m.ELPROP = find_leading_reals(c.io, c.wa, "ELPROP", std::int64_t{c.nel} * kPropertyRowReals, LPU,
                                status);
  return status == 0;
}

bool book_tables(Conversion& c, VomarModel& m) {
  std::int32_t status = 0;
  const std::int64_t nel = m.NEL;
  const std::int64_t materials = nel + 2 * static_cast<std::int64_t>(m.nh);
  const std::int64_t scratch = 4 * nel + 2 * static_cast<std::int64_t>(m.nh);
  const auto ints = [&](std::string_view name, std::int64_t n, std::string_view type = "STRU") {
    return book_ints(c.io, c.wa, name, n, type, LPU, status);
  };
  // Booked here, viewed only once cleared: fresh storage is never written with zeros.
  const auto reals = [&](std::string_view name, std::int64_t n, Preparation pages) {
    return book_array(c.io, c.wa, name, n, "STRU", "RE", LPU, status, pages);
  };
  m.MELTYP = ints("MELTYP", nel);
  m.MELMAT = ints("MELMAT", nel);
  m.MELGEO = ints("MELGEO", nel);
  m.MELECC = ints("MELECC", 2 * nel);
  m.MELLOC = ints("MELLOC", nel);
  m.MEXGEO = ints("MEXGEO", nel);
  m.MEXBCK = ints("MEXBCK", nel);
  m.MGETYP = ints("MGETYP", nel);
  m.MSUTYP = ints("MSUTYP", nel);
  m.MEXMAT = ints("MEXMAT", materials);
  m.MATYP = ints("MATYP", materials);
  m.MEXECC = ints("MEXECC", 0);
  m.MEXLOC = ints("MEXLOC", 0);
  m.MEXTRA = ints("MEXTRA", 0);
  m.MSCRA = ints("MSCRA", scratch);
  m.MSKPNP = ints("MSKPNP", scratch, "SKIP");
  // Cross-section, surface and material rows are kept packed: only the start
  // of those bookings is ever used, and the rest is never touched.
  const std::int32_t crgeo = reals("TCRGEO", nel * m.MXGEPR, Preparation::kAsReached);
  const std::int32_t sugeo = reals("TSUGEO", nel * m.MXGEPR, Preparation::kAsReached);
  const std::int32_t mapa = reals("TMAPA", materials * m.MXMAPR, Preparation::kAsReached);
  if (status != 0) return false;
  for (const char* name : {"TCRGEO", "TSUGEO", "TMAPA"}) ARZERO(c.io, c.wa, name, LPU, status);
  m.TCRGEO = real_view(c.wa, crgeo, nel * kCrossSectionRowReals);
  m.TSUGEO = real_view(c.wa, sugeo, nel * kSurfaceRowReals);
  m.material_row = m.nh > 0 ? kMaterialRowReals : kBuiltMaterialRowReals;
  m.TMAPA = real_view(c.wa, mapa, materials * m.material_row);
  return status == 0;
}

}  // namespace velkan
